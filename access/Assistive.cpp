// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when: the board as a table of its 42 cells.
#include "access/Assistive.h"
#include "access/ToolkitBridge.h"
#include "game/frmBrindlow.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QHash>
#include <QMouseEvent>

#include <array>

namespace {

// Every word the player hears of the board; the status line and the boxes speak for themselves. Rows are
// counted from the bottom, where a checker lands first. A cell names its column first (the column is what a
// press chooses), then its row, then what it holds: "Column 4, row 1: black". The cell a checker just landed
// in takes the focus, so its name is also the news of the move.
QString columnName(int column)
{
    return QStringLiteral("Column %1").arg(column + 1);
}
QString rowName(int row)
{
    return QStringLiteral("Row %1").arg(frmBrindlow::Rows - row);
}
QString cellName(const frmBrindlow& form, int cell)
{
    const quint32 colour = form.Shape1[cell].FillColor;
    return QStringLiteral("%1, %2: %3")
        .arg(columnName(cell % frmBrindlow::Columns), rowName(cell / frmBrindlow::Columns).toLower(),
             colour == frmBrindlow::BlackColor ? QStringLiteral("black")
             : colour == frmBrindlow::RedColor ? QStringLiteral("red")
                                               : QStringLiteral("empty"));
}
QString columnFull(int column)
{
    return QStringLiteral("%1 is full. ").arg(columnName(column));
}
const char BoardName[] = "Board";
const char BoardDescription[] =
    "Seven columns of six cells, rows counted from the bottom. Click any cell of a "
    "column to drop a checker in that column.";

std::unique_ptr<ReaderWorkarounds>& workarounds()
{
    static std::unique_ptr<ReaderWorkarounds> inUse = std::make_unique<ReaderWorkarounds>();
    return inUse;
}

QHash<QObject*, Assistive*>& served()
{
    static QHash<QObject*, Assistive*> boards;
    return boards;
}

} // namespace

// One circle of the board. Its one action presses it, which drops a checker in its column as a click on it
// does. It is a picture rather than a table cell because screen readers step through a table cell's name word
// by word in their review of the screen, and a player looking for a column should hear one cell per step.
class Assistive::Cell : public LeafAccessible,
                        public QAccessibleTableCellInterface,
                        public QAccessibleActionInterface
{
  public:
    Cell(QAccessibleInterface* table, Assistive* board, int cell) : table_(table), board(board), index(cell)
    {
    }

    QAccessibleInterface* parent() const override { return table_; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? cellName(board->form, index) : QString();
    }
    // Exactly the painted circle, so that a screen reader's click lands on the circle and in its column.
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
    // A press posted on the circle, so that the command is answered before the move is made (a box it opens
    // must not hold the reply back); the window asks about it again as it arrives, as a box may have opened.
    void doAction(const QString& name) override
    {
        if (name != pressAction() || board->boxOpen || QApplication::activeModalWidget() != nullptr ||
            !workarounds()->admits(index, std::nullopt))
            return;
        const QPointF at = board->cellCircle(index).center();
        QCoreApplication::postEvent(board->view, new QMouseEvent(QEvent::MouseButtonPress, at,
                                                                 board->view->mapToGlobal(at), Qt::LeftButton,
                                                                 Qt::LeftButton, Qt::NoModifier));
    }

  private:
    QAccessibleInterface* const table_;
    Assistive* const board;
    const int index;
};

// The board as a table of 6 rows and 7 columns, row index 0 at the top. Its children are the 42 cells in
// reading order, then the status line drawn on the board, then what this Qt needs to carry news (nothing
// from Qt 6.8 on).
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
        for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
            if (cellIds[cell] != 0 && QAccessible::accessibleInterface(cellIds[cell]) == child)
                return cell;
        }
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
        if (row < 0 || row >= frmBrindlow::Rows || column < 0 || column >= frmBrindlow::Columns)
            return nullptr;
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
            Assistive* served = ::served().value(object);
            return served != nullptr ? new Table(served) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
    served().insert(board, this);
    connect(board, &QObject::destroyed, [board] { served().remove(board); });
    // Qt may have made the board a plain widget's interface as the window was built (Qt 6.11 does): it goes,
    // so that the board is the table from the next question on.
    QAccessibleInterface* const made = QAccessible::queryAccessibleInterface(board);
    if (made != nullptr && dynamic_cast<Table*>(made) == nullptr)
        QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
    board->setAccessibleName(QString::fromLatin1(BoardName));
    board->setAccessibleDescription(QString::fromLatin1(BoardDescription));
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

QAccessibleInterface* Assistive::cell(int cell) const
{
    auto* table = dynamic_cast<Table*>(QAccessible::queryAccessibleInterface(view));
    return table != nullptr ? table->cellAt(cell) : nullptr;
}

// Qt tells a screen reader only of what it asked to hear, and nothing while none listens.
void Assistive::say(const QString& news)
{
    if (!news.isEmpty())
        ToolkitBridge::say(view, news);
}

// A cell shown anew tells of its new name; the cell a checker landed in then becomes current and takes the
// focus, which is the news of the move and starts a screen reader's review afresh from it.
void Assistive::cellShown(int cell)
{
    if (QAccessibleInterface* const shown = this->cell(cell)) {
        QAccessibleEvent renamed(shown, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
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
        focusCurrent();
    say(std::exchange(afterLanding, {}));
}

bool Assistive::admits(QPointF at, bool fromDesktop)
{
    if (boxOpen)
        return false;
    const int cell = cellAt(at);
    return !fromDesktop || cell < 0 || workarounds()->admits(cell, at - cellCircle(cell).center());
}

// A move was told by its landing; whose turn it is now follows. A press that opened a box has told nothing
// more: the box says what comes next, and the turn is told once the board has the keyboard again.
void Assistive::pressed(int column)
{
    if (!boxTold && column >= 0 && column < frmBrindlow::Columns) {
        afterLanding = (landed >= 0 ? QString() : columnFull(column)) + form.lblturn.Caption;
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

// The board has the keyboard: at start-up, after every box, back from another window. Its current cell has
// the focus, and whose turn it is is told. Not while the next box of the same command is about to open (the
// window manager may hand the window the keyboard between two boxes): that box comes first.
void Assistive::boardHasKeyboard()
{
    if (!view->hasFocus() || boxOpen || QApplication::activeModalWidget() != nullptr)
        return;
    focusCurrent();
    say(form.lblturn.Caption);
}

void Assistive::focusCurrent()
{
    if (QAccessibleInterface* const focus = cell(current)) {
        QAccessibleEvent focused(focus, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}
