// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a screen reader is told about the board: its 42 cells, what a press did, and whose turn it is.
#include "window/BoardAccessible.h"
#include "window/FormWindow.h"

#include <QAccessibleWidget>
#include <QWindow>
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusObjectPath>
#include <QDBusVariant>
#endif

#include <array>

namespace {

class BoardTable;

// What every object of ours that is no widget has in common: a parent board, no children, no relations.
class PartOfBoard : public QAccessibleInterface
{
  public:
    explicit PartOfBoard(BoardTable* table) : board(table) {}

    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}

  protected:
    BoardTable* board;
};

// One circle of the board. It takes no focus; its one action presses it, which drops a checker in its column
// as a mouse press on it would. It is a picture rather than a table cell because screen readers step through
// a table cell's name word by word, and a player looking for a column should hear one cell per step.
class CellAccessible : public PartOfBoard,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface
{
  public:
    CellAccessible(BoardTable* table, int cell) : PartOfBoard(table), cell(cell) {}

    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
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
    int columnIndex() const override { return cell % frmBrindlow::Columns; }
    int rowIndex() const override { return cell / frmBrindlow::Columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override;
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

  private:
    int cell;
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Where the news of a press is spoken: a notification that is never on screen and shows anew with each news.
// Screen readers speak a notification as it shows, and ignore name changes of labels and cells.
class NewsAccessible : public PartOfBoard
{
  public:
    using PartOfBoard::PartOfBoard;

    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? news : QString(); }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType) override { return nullptr; }

    QString news;
};
#endif

// Orca builds its review of a window once and rebuilds it only when it sees the window change as a whole: the
// selection of a page tab list changing (a notebook turning a page) is one such sign. After each change of
// the board this empty page tab list gives that sign. It stands one pixel outside the window's corner, so
// that review, which shows what lies inside the window, never shows it.
class PageTurnAccessible : public PartOfBoard
{
  public:
    using PartOfBoard::PartOfBoard;

    QString text(QAccessible::Text) const override { return {}; }
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::PageTabList; }
    QAccessible::State state() const override { return {}; }
    void* interface_cast(QAccessible::InterfaceType) override { return nullptr; }
};

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
// Qt before 6.8 does not pass a selection change on to the accessibility bus, so the page tab list's signal
// is sent here, on Qt's own connection to that bus, in the form Qt gives its other events: detail, two
// numbers, a value, and the application that sends it.
struct BusObject
{
    QString service;
    QDBusObjectPath path;
};

QDBusArgument& operator<<(QDBusArgument& argument, const BusObject& object)
{
    argument.beginStructure();
    argument << object.service << object.path;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, BusObject& object)
{
    argument.beginStructure();
    argument >> object.service >> object.path;
    argument.endStructure();
    return argument;
}

void tellPageTurned(QAccessibleInterface* pageTurn)
{
    // Qt names its connection to the accessibility bus "a11y"; without one, no screen reader listens.
    QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return;
    static const QMetaType registered = qDBusRegisterMetaType<BusObject>();
    Q_UNUSED(registered);
    const QString path =
        QStringLiteral("/org/a11y/atspi/accessible/") + QString::number(QAccessible::uniqueId(pageTurn));
    QDBusMessage signal = QDBusMessage::createSignal(path, QStringLiteral("org.a11y.atspi.Event.Object"),
                                                     QStringLiteral("SelectionChanged"));
    signal << QString() << 0 << 0 << QVariant::fromValue(QDBusVariant(0))
           << QVariant::fromValue(BusObject{
                  bus.baseService(), QDBusObjectPath(QStringLiteral("/org/a11y/atspi/accessible/root"))});
    bus.send(signal);
}
#endif

// The board as a table of 6 rows and 7 columns, row index 0 at the top. Its children are the 42 cells, the
// status line drawn on the board, the page tab list that says the board changed and, before Qt 6.8, the
// notification that carries the news of each press.
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface
{
  public:
    explicit BoardTable(BoardView* view) : QAccessibleWidget(view, QAccessible::Table), view(view) {}
    ~BoardTable() override
    {
        for (const QAccessible::Id id : cellIds) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
        for (const QAccessible::Id id : extraIds) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    const frmBrindlow& form() const { return view->brindlow(); }
    BoardView* boardView() const { return view; }

    int childCount() const override
    {
        return frmBrindlow::CellCount + QAccessibleWidget::childCount() + ExtraCount;
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index < frmBrindlow::CellCount)
            return cellInterface(index);
        if (const int extraIndex = index - (childCount() - ExtraCount); extraIndex >= 0)
            return extra(Extra(extraIndex));
        return QAccessibleWidget::child(index - frmBrindlow::CellCount);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
            if (cellIds[cell] != 0 && QAccessible::accessibleInterface(cellIds[cell]) == child)
                return cell;
        }
        for (int extra = 0; extra < ExtraCount; ++extra) {
            if (extraIds[extra] != 0 && QAccessible::accessibleInterface(extraIds[extra]) == child)
                return childCount() - ExtraCount + extra;
        }
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : frmBrindlow::CellCount + index;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y))
            return widget;
        for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
            if (cellInterface(cell)->rect().contains(x, y))
                return cellInterface(cell);
        }
        return nullptr;
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
        return cellInterface(row * frmBrindlow::Columns + column);
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override
    {
        return QStringLiteral("Column %1").arg(column + 1);
    }
    QString rowDescription(int row) const override
    {
        return QStringLiteral("Row %1").arg(frmBrindlow::Rows - row);
    }
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

    // Only cells someone has asked about are told of; the others are read afresh when first asked for.
    void announceChange(int cell)
    {
        if (cellIds[cell] != 0) {
            QAccessibleEvent event(QAccessible::accessibleInterface(cellIds[cell]), QAccessible::NameChanged);
            QAccessible::updateAccessibility(&event);
        }
    }

    void announce(const QString& news)
    {
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
        tellPageTurned(extra(PageTurn));
        static_cast<NewsAccessible*>(extra(News))->news = news;
        QAccessibleEvent shown(extra(News), QAccessible::ObjectShow);
        QAccessible::updateAccessibility(&shown);
#else
        QAccessibleEvent pageTurned(extra(PageTurn), QAccessible::SelectionWithin);
        QAccessible::updateAccessibility(&pageTurned);
        QAccessibleAnnouncementEvent said(view, news);
        QAccessible::updateAccessibility(&said);
#endif
    }

  private:
    QAccessibleInterface* cellInterface(int cell) const
    {
        if (cellIds[cell] == 0)
            cellIds[cell] = QAccessible::registerAccessibleInterface(
                new CellAccessible(const_cast<BoardTable*>(this), cell));
        return QAccessible::accessibleInterface(cellIds[cell]);
    }
    // The children that are not on the board, after all others.
    enum Extra
    {
        PageTurn,
        News
    };
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
    static constexpr int ExtraCount = 2;
#else
    static constexpr int ExtraCount = 1;
#endif
    QAccessibleInterface* extra(Extra which) const
    {
        QAccessible::Id& id = extraIds[which];
        if (id == 0) {
            auto* self = const_cast<BoardTable*>(this);
#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
            if (which == News)
                id = QAccessible::registerAccessibleInterface(new NewsAccessible(self));
            else
#endif
                id = QAccessible::registerAccessibleInterface(new PageTurnAccessible(self));
        }
        return QAccessible::accessibleInterface(id);
    }

    BoardView* view;
    mutable std::array<QAccessible::Id, frmBrindlow::CellCount> cellIds{};
    mutable std::array<QAccessible::Id, ExtraCount> extraIds{};
};

QWindow* PartOfBoard::window() const
{
    return board->window();
}

QAccessibleInterface* PartOfBoard::parent() const
{
    return board;
}

QRect PageTurnAccessible::rect() const
{
    return QRect(board->boardView()->window()->mapToGlobal(QPoint(-1, -1)), QSize(1, 1));
}

QString CellAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? BoardAccessible::cellName(board->form(), cell) : QString();
}

// Exactly the painted circle, so that a screen reader's click lands on the circle and in its column.
QRect CellAccessible::rect() const
{
    const QRect circle = circleOf(board->form().Shape1[cell]).toRect();
    return QRect(board->boardView()->mapToGlobal(circle.topLeft()), circle.size());
}

void CellAccessible::doAction(const QString& name)
{
    if (name == pressAction())
        board->boardView()->pressCell(cell);
}

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* board = dynamic_cast<BoardView*>(object))
        return new BoardTable(board);
    return nullptr;
}

// The board's table, when assistive technology listens; nullptr otherwise.
BoardTable* listeningTable(BoardView* board)
{
    if (!QAccessible::isActive())
        return nullptr;
    return dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(board));
}

QString colourWord(quint32 colour)
{
    return colour == frmBrindlow::BlackColor ? QStringLiteral("black")
           : colour == frmBrindlow::RedColor ? QStringLiteral("red")
                                             : QStringLiteral("empty");
}

} // namespace

void BoardAccessible::install()
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
}

QString BoardAccessible::boardDescription()
{
    return QStringLiteral(
        "Seven columns of six cells, rows counted from the bottom. Click any cell of a column to "
        "drop a checker in that column.");
}

QString BoardAccessible::cellName(const frmBrindlow& form, int cell)
{
    return QStringLiteral("Column %1, row %2: %3")
        .arg(cell % frmBrindlow::Columns + 1)
        .arg(frmBrindlow::Rows - cell / frmBrindlow::Columns)
        .arg(colourWord(form.Shape1[cell].FillColor));
}

QString BoardAccessible::pressNews(const frmBrindlow& form, int landed, int column, const QString& turn)
{
    QString news;
    if (landed >= 0) {
        QString colour = colourWord(form.Shape1[landed].FillColor);
        colour[0] = colour[0].toUpper();
        news = QStringLiteral("%1 in column %2, row %3.")
                   .arg(colour)
                   .arg(landed % frmBrindlow::Columns + 1)
                   .arg(frmBrindlow::Rows - landed / frmBrindlow::Columns);
    } else if (column != frmBrindlow::NoColumn) {
        news = QStringLiteral("Column %1 is full.").arg(column + 1);
    } else {
        return news;
    }
    if (!turn.isEmpty())
        news += u' ' + turn;
    return news;
}

void BoardAccessible::cellChanged(BoardView* board, int cell)
{
    if (BoardTable* table = listeningTable(board))
        table->announceChange(cell);
}

void BoardAccessible::announce(BoardView* board, const QString& news)
{
    if (BoardTable* table = listeningTable(board); table != nullptr && !news.isEmpty())
        table->announce(news);
}
