// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when: the board as a table of its 42 cells.
#include "access/Assistive.h"
#include "access/ToolkitBridge.h"
#include "game/frmBrindlow.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QMouseEvent>

#include <array>

namespace {

// Every word the player hears of the board; the status line and the boxes speak for themselves. A cell names
// its column first (what a press chooses), then its row counted from the bottom, where a checker lands first,
// then what it holds: "Column 4, row 1: black". As the cell a checker lands in takes the focus, its name is
// also the news of the move.
//
// Columns are counted from 1 at the left and rows from 1 at the bottom, in every language: the board is a
// picture and is never mirrored. Whatever a client asks, only the board's own columns and rows have a name.
QString words(const char* text)
{
    return QCoreApplication::translate("Assistive", text);
}
QString columnName(int column)
{
    if (column < 0 || column >= frmBrindlow::Columns)
        return QString();
    //: A column of the board, counted from 1 at the left.
    return words(QT_TRANSLATE_NOOP("Assistive", "Column %1")).arg(column + 1);
}
QString rowName(int row)
{
    if (row < 0 || row >= frmBrindlow::Rows)
        return QString();
    //: A row of the board (a line of cells across it), counted from 1 at the bottom.
    return words(QT_TRANSLATE_NOOP("Assistive", "Row %1")).arg(frmBrindlow::Rows - row);
}
QString cellName(const frmBrindlow& form, int cell)
{
    const quint32 colour = form.Shape1[cell].FillColor;
    const char* const name =
        colour == frmBrindlow::BlackColor
            //: A cell of the board holding player 1's checker: its column, its row counted from the bottom.
            ? QT_TRANSLATE_NOOP("Assistive", "Column %1, row %2: black")
            : colour == frmBrindlow::RedColor
                  //: A cell of the board holding player 2's checker: its column, its row counted from the
                  //: bottom.
                  ? QT_TRANSLATE_NOOP("Assistive", "Column %1, row %2: red")
                  //: A cell of the board that holds no checker: its column, its row counted from the bottom.
                  : QT_TRANSLATE_NOOP("Assistive", "Column %1, row %2: empty");
    return words(name)
        .arg(cell % frmBrindlow::Columns + 1)
        .arg(frmBrindlow::Rows - cell / frmBrindlow::Columns);
}
// A press in a full column drops nothing: the player hears so, then whose turn it still is (`turn`, the
// status line).
QString columnFull(int column, const QString& turn)
{
    //: Said when a press falls in a column that has no room left; %2 is the status line that follows.
    return words(QT_TRANSLATE_NOOP("Assistive", "Column %1 is full. %2"))
        .arg(QString::number(column + 1), turn);
}

std::unique_ptr<ReaderWorkarounds>& workarounds()
{
    static std::unique_ptr<ReaderWorkarounds> inUse = std::make_unique<ReaderWorkarounds>();
    return inUse;
}

} // namespace

// One circle of the board; its one action presses it, as a click does. A picture rather than a table cell:
// screen readers review a table cell's name word by word, and a player looking for a column should hear one
// cell per step.
class Assistive::Cell : public LeafAccessible,
                        public QAccessibleTableCellInterface,
                        public QAccessibleActionInterface
{
  public:
    Cell(QAccessibleInterface* table, Assistive* board, int cell) : index(cell), table_(table), board(board)
    {
    }

    QAccessibleInterface* parent() const override { return table_; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? cellName(board->form, index) : QString();
    }
    // The painted circle, so that a screen reader's click lands in its column.
    QRect rect() const override
    {
        const QRect shown = board->cellCircle(index).toRect();
        return QRect(board->view->mapToGlobal(shown.topLeft()), shown.size());
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
        state.focusable = true;
        state.focused = board->view->hasFocus() && board->current == index;
        workarounds()->looked(index, true);
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableCellInterface)
            return static_cast<QAccessibleTableCellInterface*>(this);
        if (type == QAccessible::ActionInterface)
            return static_cast<QAccessibleActionInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return index % frmBrindlow::Columns; }
    int rowIndex() const override { return index / frmBrindlow::Columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return table_; }

    QStringList actionNames() const override { return {pressAction()}; }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }
    // A press posted on the circle: the command is answered before a box the move opens can hold the reply
    // back, and the window asks about the press again as it arrives.
    void doAction(const QString& name) override
    {
        if (name != pressAction() || !board->isMove(index, std::nullopt))
            return;
        const QPointF at = board->cellCircle(index).center();
        QCoreApplication::postEvent(board->view, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                                 board->view->mapToGlobal(at), Qt::LeftButton,
                                                                 Qt::LeftButton, Qt::NoModifier));
    }

    const int index;

  private:
    QAccessibleInterface* const table_;
    Assistive* const board;
};

namespace {

// What the board answers for a row and a column outside it: nothing, with no name, in no row or column. Qt's
// bridge reads the extents and the selection of the cell at any row and column a client sends, without
// asking whether there is one (Qt 6.4 crashes on GetColumnExtentAt(-1, 0)); this answers it.
class NoCell : public LeafAccessible, public QAccessibleTableCellInterface
{
  public:
    explicit NoCell(QAccessibleInterface* table) : table_(table) {}

    QAccessibleInterface* parent() const override { return table_; }
    QString text(QAccessible::Text) const override { return QString(); }
    QRect rect() const override { return QRect(); }
    QAccessible::Role role() const override { return QAccessible::NoRole; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this)
                                                       : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return -1; }
    int rowIndex() const override { return -1; }
    int columnExtent() const override { return 0; }
    int rowExtent() const override { return 0; }
    QAccessibleInterface* table() const override { return table_; }

  private:
    QAccessibleInterface* const table_;
};

} // namespace

// The board as a table of 6 rows and 7 columns, row 0 at the top. Its children are the 42 cells in reading
// order, the status line drawn on the board, and what this Qt needs to carry news (nothing from Qt 6.8 on).
class Assistive::Table : public QAccessibleWidget, public QAccessibleTableInterface
{
  public:
    explicit Table(Assistive* board) : QAccessibleWidget(board->view, QAccessible::Table), board(board) {}
    ~Table() override
    {
        for (const QAccessible::Id id : cellIds) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
        if (noCellId != 0)
            QAccessible::deleteAccessibleInterface(noCellId);
    }

    QAccessibleInterface* focusChild() const override
    {
        return board->view->hasFocus() ? cellAt(board->current) : nullptr;
    }
    int childCount() const override { return frmBrindlow::CellCount + widgets() + (news() ? 1 : 0); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < frmBrindlow::CellCount)
            return cellAt(index);
        if (index < frmBrindlow::CellCount + widgets())
            return QAccessibleWidget::child(index - frmBrindlow::CellCount);
        return index == frmBrindlow::CellCount + widgets() ? news() : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (const auto* cell = dynamic_cast<const Cell*>(child))
            return cell->index;
        if (child != nullptr && child == news())
            return frmBrindlow::CellCount + widgets();
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : frmBrindlow::CellCount + index;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        const int cell = board->cellAt(board->view->mapFromGlobal(QPointF(x, y)));
        if (cell < 0)
            return QAccessibleWidget::childAt(x, y);
        workarounds()->looked(cell, false);
        return cellAt(cell);
    }
    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TableInterface)
            return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override
    {
        if (row < 0 || row >= frmBrindlow::Rows || column < 0 || column >= frmBrindlow::Columns) {
            if (noCellId == 0)
                noCellId = QAccessible::registerAccessibleInterface(new NoCell(const_cast<Table*>(this)));
            return QAccessible::accessibleInterface(noCellId);
        }
        return cellAt(row * frmBrindlow::Columns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override { return columnName(column); }
    QString rowDescription(int row) const override { return rowName(row); }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return frmBrindlow::Columns; }
    int rowCount() const override { return frmBrindlow::Rows; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

    QAccessibleInterface* cellAt(int cell) const
    {
        if (cell < 0 || cell >= frmBrindlow::CellCount)
            return nullptr;
        if (cellIds[cell] == 0) {
            auto* self = const_cast<Table*>(this);
            cellIds[cell] = QAccessible::registerAccessibleInterface(new Cell(self, board, cell));
        }
        return QAccessible::accessibleInterface(cellIds[cell]);
    }

  private:
    int widgets() const { return QAccessibleWidget::childCount(); }
    QAccessibleInterface* news() const { return ToolkitBridge::newsOf(widget()); }

    Assistive* const board;
    mutable std::array<QAccessible::Id, frmBrindlow::CellCount> cellIds{};
    mutable QAccessible::Id noCellId = 0;
};

void Assistive::use(std::unique_ptr<ReaderWorkarounds> inUse)
{
    workarounds() = std::move(inUse);
}

Assistive::Assistive(QWidget* board, const frmBrindlow& form, std::function<QRectF(int)> circle)
    : QObject(board), view(board), form(form), cellCircle(std::move(circle))
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            for (QObject* const child : object->children()) {
                if (auto* const served = dynamic_cast<Assistive*>(child))
                    return new Table(served);
            }
            return nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
    // Qt 6.11 may have made the board a plain widget's interface as the window was built: it goes, so that
    // the board is the table from the next question on.
    QAccessibleInterface* const made = QAccessible::queryAccessibleInterface(board);
    if (made != nullptr && dynamic_cast<Table*>(made) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    //: The board's name as a screen reader says it.
    board->setAccessibleName(words(QT_TRANSLATE_NOOP("Assistive", "Board")));
    //: How the board is played, as a screen reader says it.
    board->setAccessibleDescription(words(QT_TRANSLATE_NOOP(
        "Assistive",
        "Seven columns of six cells, rows counted from the bottom. Click any cell of a column to "
        "drop a checker in that column.")));
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == view) // once Qt has told of the board's own focus
            QMetaObject::invokeMethod(this, &Assistive::boardHasKeyboard, Qt::QueuedConnection);
    });
}

int Assistive::cellAt(QPointF at) const
{
    for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        if (cellCircle(cell).contains(at))
            return cell;
    }
    return -1;
}

void Assistive::send(int cell, QAccessible::Event type) const
{
    const auto* table = dynamic_cast<Table*>(QAccessible::queryAccessibleInterface(view));
    if (QAccessibleInterface* const about = table != nullptr ? table->cellAt(cell) : nullptr) {
        QAccessibleEvent event(about, type);
        QAccessible::updateAccessibility(&event);
    }
}

// Qt tells a screen reader only of what it asked to hear, and nothing while none listens.
void Assistive::say(const QString& news)
{
    if (!news.isEmpty())
        ToolkitBridge::say(view, news);
}

// A cell shown anew tells of its new name; the cell a checker landed in then becomes current and takes the
// focus, which is the news of the move and starts a screen reader's review afresh there.
void Assistive::cellShown(int cell)
{
    send(cell, QAccessible::NameChanged);
    if (form.Shape1[cell].FillColor == frmBrindlow::EmptyColor)
        return;
    landed = cell;
    landingWaits = !workarounds()->landed(cell, [this, cell] { focusLanding(cell); });
    if (!landingWaits)
        focusLanding(cell);
}

void Assistive::focusLanding(int cell)
{
    current = cell;
    landingWaits = false;
    if (view->hasFocus())
        send(current, QAccessible::Focus);
    say(std::exchange(afterLanding, {}));
}

// The one place that decides what a press is. A press action is decided as it is asked, since the press it
// posts may arrive only once the box is gone; that press is then asked again as it arrives, without the
// screen reader's part.
bool Assistive::isMove(int cell, std::optional<QPointF> fromCentre) const
{
    if (boxOpen || QApplication::activeModalWidget() != nullptr)
        return false;
    return cell < 0 || workarounds()->admits(cell, fromCentre);
}

bool Assistive::admits(QPointF at, bool fromDesktop)
{
    const int cell = fromDesktop ? cellAt(at) : -1;
    return isMove(cell, cell < 0 ? QPointF() : at - cellCircle(cell).center());
}

// A move was told by its landing; whose turn it is now follows. A press that opened a box has told nothing
// more: the box says what comes next, and the turn is told once the board has the keyboard again.
void Assistive::pressed(int column)
{
    if (!boxTold && column >= 0 && column < frmBrindlow::Columns) {
        afterLanding = landed >= 0 ? form.lblturn.Caption : columnFull(column, form.lblturn.Caption);
        if (!landingWaits)
            say(std::exchange(afterLanding, {}));
    }
    landed = -1;
    boxTold = false;
}

void Assistive::boxOpening(QWidget* box, const QString& text)
{
    boxOpen = true;
    const bool soon = landed >= 0 || boxJustClosed;
    boxJustClosed = false;
    boxTold = boxTold || landed >= 0;
    if (box != nullptr)
        ToolkitBridge::describeBox(*box, text);
    workarounds()->boxOpening(soon);
}

void Assistive::boxClosed()
{
    boxOpen = false;
    boxJustClosed = true;
    const auto commandDone = [this] { boxJustClosed = false; };
    QMetaObject::invokeMethod(this, commandDone, Qt::QueuedConnection);
}

// The board has the keyboard (at start-up, after every box, back from another window): its current cell has
// the focus, and whose turn it is is told. Not while the next box of the same command is about to open: a
// window manager may hand the window the keyboard between two boxes.
void Assistive::boardHasKeyboard()
{
    if (!view->hasFocus() || boxOpen || QApplication::activeModalWidget() != nullptr)
        return;
    send(current, QAccessible::Focus);
    say(form.lblturn.Caption);
}
