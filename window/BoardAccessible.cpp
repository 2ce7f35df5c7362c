// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a screen reader is told about the board and the status line: the 42 cells as a table, whose turn it
// is.
#include "window/BoardAccessible.h"
#include "window/FormWindow.h"

#include <QAccessibleWidget>
#include <QWindow>

#include <array>

namespace {

class BoardTable;

// One circle of the board. It takes no focus and has no action of its own: a screen reader that clicks it
// clicks the circle on screen, and that press is a move like any other.
class CellAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface
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
    QString text(QAccessible::Text t) const override;
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.readOnly = true;
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
    int columnIndex() const override { return cell % frmBrindlow::Columns; }
    int rowIndex() const override { return cell / frmBrindlow::Columns; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    BoardTable* board;
    int cell;
};

// The board as a table of 6 rows and 7 columns, row 1 at the top; the status line, drawn on the board, is its
// one child after the 42 cells.
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
    }

    const Shape& shape(int cell) const { return view->brindlow().Shape1[cell]; }
    BoardView* boardView() const { return view; }

    int childCount() const override { return frmBrindlow::CellCount + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int index) const override
    {
        if (index < 0)
            return nullptr;
        if (index < frmBrindlow::CellCount)
            return cellInterface(index);
        return QAccessibleWidget::child(index - frmBrindlow::CellCount);
    }
    int indexOfChild(const QAccessibleInterface* child) const override
    {
        for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
            if (cellIds[cell] != 0 && QAccessible::accessibleInterface(cellIds[cell]) == child)
                return cell;
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
    QString rowDescription(int row) const override { return QStringLiteral("Row %1").arg(row + 1); }
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

  private:
    QAccessibleInterface* cellInterface(int cell) const
    {
        if (cellIds[cell] == 0)
            cellIds[cell] = QAccessible::registerAccessibleInterface(
                new CellAccessible(const_cast<BoardTable*>(this), cell));
        return QAccessible::accessibleInterface(cellIds[cell]);
    }

    BoardView* view;
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
    if (t != QAccessible::Name)
        return QString();
    const quint32 colour = board->shape(cell).FillColor;
    const QString holds = colour == frmBrindlow::BlackColor ? QStringLiteral("black")
                          : colour == frmBrindlow::RedColor ? QStringLiteral("red")
                                                            : QStringLiteral("empty");
    return QStringLiteral("Row %1, column %2: %3").arg(rowIndex() + 1).arg(columnIndex() + 1).arg(holds);
}

// Exactly the painted circle, so that a screen reader's click lands on the circle and in its column.
QRect CellAccessible::rect() const
{
    const QRect circle = circleOf(board->shape(cell)).toRect();
    return QRect(board->boardView()->mapToGlobal(circle.topLeft()), circle.size());
}

QAccessibleInterface* factory(const QString&, QObject* object)
{
    if (auto* board = dynamic_cast<BoardView*>(object))
        return new BoardTable(board);
    if (auto* label = dynamic_cast<StatusLabel*>(object))
        return new QAccessibleWidget(label, QAccessible::Notification);
    return nullptr;
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

void BoardAccessible::cellChanged(BoardView* board, int cell)
{
    if (!QAccessible::isActive())
        return;
    if (auto* table = dynamic_cast<BoardTable*>(QAccessible::queryAccessibleInterface(board)))
        table->announceChange(cell);
}

void BoardAccessible::statusChanged(StatusLabel* label)
{
    QAccessibleEvent shown(label, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&shown);
}
