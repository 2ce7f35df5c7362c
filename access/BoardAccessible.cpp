// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The board as assistive technology sees it: a table of its 42 cells, one of them current.
#include "access/BoardAccessible.h"
#include "access/BoardSpeech.h"
#include "game/frmBrindlow.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QPointer>
#include <QWidget>

#include <array>

namespace {

class BoardTable;

// One circle of the board. Its one action presses it, which drops a checker in its column as a mouse press on
// it would. The current cell has the focus while the board has the keyboard, as the current cell of an item
// view has: a screen reader's "click the current item" outside its review presses it, and a new current cell
// (the one a checker just landed in) makes it read the board afresh. It is a picture rather than a table cell
// because screen readers step through a table cell's name word by word, and a player looking for a column
// should hear one cell per step.
class CellAccessible : public QAccessibleInterface,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface
{
  public:
    CellAccessible(BoardTable* table, int cell) : board(table), cell(cell) {}

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
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override;
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
    BoardTable* board;
    int cell;
};

// The board as a table of 6 rows and 7 columns, row index 0 at the top. Its children are the 42 cells, the
// status line drawn on the board, and whatever else the board lends it (the news, before Qt 6.8).
class BoardTable : public QAccessibleWidget, public QAccessibleTableInterface
{
  public:
    BoardTable(QWidget* view, AccessibleBoard* board)
        : QAccessibleWidget(view, QAccessible::Table), board(board)
    {
    }
    ~BoardTable() override
    {
        for (const QAccessible::Id id : cellIds) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    AccessibleBoard* model() const { return board; }
    bool hasKeyboard() const { return widget()->hasFocus(); }

    QAccessibleInterface* focusChild() const override
    {
        return hasKeyboard() ? cellInterface(board->currentCell()) : nullptr;
    }
    int childCount() const override
    {
        return frmBrindlow::CellCount + QAccessibleWidget::childCount() + board->extraChildCount();
    }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (index < frmBrindlow::CellCount)
            return cellInterface(index);
        const int widgets = QAccessibleWidget::childCount();
        if (index < frmBrindlow::CellCount + widgets)
            return QAccessibleWidget::child(index - frmBrindlow::CellCount);
        return board->extraChild(index - frmBrindlow::CellCount - widgets);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
            if (cellIds[cell] != 0 && QAccessible::accessibleInterface(cellIds[cell]) == child)
                return cell;
        }
        const int widgets = QAccessibleWidget::childCount();
        for (int extra = 0; extra < board->extraChildCount(); ++extra) {
            if (board->extraChild(extra) == child)
                return frmBrindlow::CellCount + widgets + extra;
        }
        const int index = QAccessibleWidget::indexOfChild(child);
        return index < 0 ? -1 : frmBrindlow::CellCount + index;
    }
    QAccessibleInterface* childAt(int x, int y) const override
    {
        if (QAccessibleInterface* widget = QAccessibleWidget::childAt(x, y))
            return widget;
        for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
            if (board->cellOnScreen(cell).contains(x, y))
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

    QAccessibleInterface* cellInterface(int cell) const
    {
        if (cell < 0 || cell >= frmBrindlow::CellCount)
            return nullptr;
        if (cellIds[cell] == 0)
            cellIds[cell] = QAccessible::registerAccessibleInterface(
                new CellAccessible(const_cast<BoardTable*>(this), cell));
        return QAccessible::accessibleInterface(cellIds[cell]);
    }

  private:
    AccessibleBoard* board;
    mutable std::array<QAccessible::Id, frmBrindlow::CellCount> cellIds{};
};

QWindow* CellAccessible::window() const
{
    return board->window();
}

QAccessibleInterface* CellAccessible::parent() const
{
    return board;
}

QString CellAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? BoardSpeech::cellName(board->model()->form(), cell) : QString();
}

// Exactly the painted circle, so that a screen reader's click lands on the circle and in its column.
QRect CellAccessible::rect() const
{
    return board->model()->cellOnScreen(cell);
}

QAccessible::State CellAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.focusable = true;
    state.focused = board->hasKeyboard() && board->model()->currentCell() == cell;
    return state;
}

void CellAccessible::doAction(const QString& name)
{
    if (name == pressAction())
        board->model()->pressCell(cell);
}

// The boards being served, by their widgets.
QHash<QObject*, AccessibleBoard*>& served()
{
    static QHash<QObject*, AccessibleBoard*> boards;
    return boards;
}

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (AccessibleBoard* board = served().value(object))
        return new BoardTable(static_cast<QWidget*>(object), board);
    return nullptr;
}

} // namespace

void BoardAccessible::serve(QWidget* widget, AccessibleBoard* board)
{
    static const bool installed = [] {
        QAccessible::installFactory(factory);
        return true;
    }();
    Q_UNUSED(installed);
    served().insert(widget, board);
    QObject::connect(widget, &QObject::destroyed, [widget] { served().remove(widget); });
}

QAccessibleInterface* BoardAccessible::cell(QWidget* widget, int cell)
{
    auto* table = dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(widget));
    return table != nullptr ? table->cellInterface(cell) : nullptr;
}
