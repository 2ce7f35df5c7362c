// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The board as assistive technology sees it: a table of its 42 cells, one of them current.
#include "access/BoardAccessible.h"
#include "access/Assistive.h"
#include "access/ToolkitBridge.h"
#include "access/Words.h"
#include "game/frmBrindlow.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>

#include <array>

namespace {

class TableAccessible;

// One circle of the board. Its one action presses it, which drops a checker in its column as a mouse press on
// it would. The current cell has the focus while the board has the keyboard, as the current cell of an item
// view has. It is a picture rather than a table cell because screen readers step through a table cell's name
// word by word in their review of the screen, and a player looking for a column should hear one cell per
// step.
class CellAccessible : public LeafAccessible,
                       public QAccessibleTableCellInterface,
                       public QAccessibleActionInterface
{
  public:
    CellAccessible(TableAccessible* table, int cell) : board(table), cell(cell) {}

    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    // Exactly the painted circle, so that a screen reader's click lands on the circle and in its column.
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
    TableAccessible* board;
    int cell;
};

// The board as a table of 6 rows and 7 columns, row index 0 at the top. Its children are the 42 cells in
// reading order, then the status line drawn on the board, then what this Qt needs to carry news (nothing
// from Qt 6.8 on).
class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface
{
  public:
    explicit TableAccessible(Assistive* assistive)
        : QAccessibleWidget(assistive->board(), QAccessible::Table), assistive(assistive)
    {
    }
    ~TableAccessible() override
    {
        for (const QAccessible::Id id : cellIds) {
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
        }
    }

    Assistive* const assistive;
    bool hasKeyboard() const { return widget()->hasFocus(); }

    QAccessibleInterface* focusChild() const override
    {
        return hasKeyboard() ? cellAt(assistive->currentCell()) : nullptr;
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
        const int cell = assistive->cellAt(widget()->mapFromGlobal(QPointF(x, y)));
        if (cell < 0)
            return QAccessibleWidget::childAt(x, y);
        assistive->looked(cell, false);
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
    QString columnDescription(int column) const override { return Words::column(column); }
    QString rowDescription(int row) const override { return Words::row(row); }
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
        if (cellIds[cell] == 0)
            cellIds[cell] = QAccessible::registerAccessibleInterface(
                new CellAccessible(const_cast<TableAccessible*>(this), cell));
        return QAccessible::accessibleInterface(cellIds[cell]);
    }

  private:
    int widgets() const { return QAccessibleWidget::childCount(); }
    QAccessibleInterface* news() const { return ToolkitBridge::newsOf(widget()); }

    mutable std::array<QAccessible::Id, frmBrindlow::CellCount> cellIds{};
};

QAccessibleInterface* CellAccessible::parent() const
{
    return board;
}

QString CellAccessible::text(QAccessible::Text t) const
{
    return t == QAccessible::Name ? Words::cellName(board->assistive->form(), cell) : QString();
}

QRect CellAccessible::rect() const
{
    return board->assistive->cellOnScreen(cell);
}

QAccessible::State CellAccessible::state() const
{
    QAccessible::State state;
    state.readOnly = true;
    state.focusable = true;
    state.focused = board->hasKeyboard() && board->assistive->currentCell() == cell;
    board->assistive->looked(cell, true);
    return state;
}

void CellAccessible::doAction(const QString& name)
{
    if (name == pressAction())
        board->assistive->pressCell(cell);
}

// The boards being served, by their widgets.
QHash<QObject*, Assistive*>& served()
{
    static QHash<QObject*, Assistive*> boards;
    return boards;
}

} // namespace

void BoardAccessible::serve(Assistive* assistive)
{
    static const bool installed = [] {
        QAccessible::installFactory([](const QString&, QObject* object) -> QAccessibleInterface* {
            Assistive* assistive = served().value(object);
            return assistive != nullptr ? new TableAccessible(assistive) : nullptr;
        });
        return true;
    }();
    Q_UNUSED(installed);
    QWidget* widget = assistive->board();
    served().insert(widget, assistive);
    QObject::connect(widget, &QObject::destroyed, [widget] { served().remove(widget); });
}

QAccessibleInterface* BoardAccessible::cell(QWidget* widget, int cell)
{
    auto* table = dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(widget));
    return table != nullptr ? table->cellAt(cell) : nullptr;
}
