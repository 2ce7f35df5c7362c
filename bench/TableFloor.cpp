// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The floor for how soon a screen reader can tell a move: a bare Qt table of 6 rows and 7 columns, its cells
// named as the board's, told through Qt's own accessible table. A press of a cell, by a click or by a screen
// reader's action (which selects it), drops a checker in its column: the lowest empty cell changes its text
// and becomes current. A full column is emptied first. scripts/orca-play.py plays it with the game's keys.
#include <QApplication>
#include <QHeaderView>
#include <QMainWindow>
#include <QMouseEvent>
#include <QTableWidget>
#include <QTimer>

namespace {

constexpr int Rows = 6;
constexpr int Columns = 7;

QString cellName(int row, int column, const QString& holds)
{
    return QStringLiteral("Column %1, row %2: %3").arg(column + 1).arg(Rows - row).arg(holds);
}

class Floor : public QTableWidget
{
  public:
    Floor() : QTableWidget(Rows, Columns)
    {
        setAccessibleName(QStringLiteral("Board"));
        horizontalHeader()->hide();
        verticalHeader()->hide();
        setEditTriggers(NoEditTriggers);
        setSelectionMode(SingleSelection);
        for (int row = 0; row < Rows; ++row) {
            for (int column = 0; column < Columns; ++column)
                setItem(row, column, new QTableWidgetItem(cellName(row, column, QStringLiteral("empty"))));
        }
        connect(selectionModel(), &QItemSelectionModel::selectionChanged, this, [this] {
            const QModelIndexList picked = selectionModel()->selectedIndexes();
            if (!picked.isEmpty())
                drop(picked.first().column());
        });
    }

  protected:
    // The top cell of column 4 becomes current once the table has told of its own focus, so that the
    // cell is told last.
    void focusInEvent(QFocusEvent* event) override
    {
        QTableWidget::focusInEvent(event);
        if (!started)
            QTimer::singleShot(0, this, [this] { setCurrentCell(0, 3, QItemSelectionModel::NoUpdate); });
        started = true;
    }
    // A click is a press, with nothing of the view's own on the way (no current cell moved to the click).
    void mousePressEvent(QMouseEvent* event) override
    {
        const QModelIndex at = indexAt(event->position().toPoint());
        if (at.isValid())
            drop(at.column());
    }

  private:
    void drop(int column)
    {
        int row = Rows - 1;
        while (row >= 0 && !item(row, column)->text().endsWith(QStringLiteral("empty")))
            --row;
        if (row < 0) {
            for (row = 0; row < Rows; ++row)
                item(row, column)->setText(cellName(row, column, QStringLiteral("empty")));
            row = Rows - 1;
        }
        item(row, column)
            ->setText(cellName(row, column, (moves++ % 2) ? QStringLiteral("red") : QStringLiteral("black")));
        selectionModel()->setCurrentIndex(model()->index(row, column), QItemSelectionModel::Clear);
    }

    int moves = 0;
    bool started = false;
};

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QMainWindow window; // a frame, as the game's window is
    window.setWindowTitle(QStringLiteral("Table floor"));
    window.setCentralWidget(new Floor);
    window.resize(7 * 60, 6 * 40);
    window.show();
    return app.exec();
}
