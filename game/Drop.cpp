// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where a checker lands when a column is clicked.
#include "game/frmBrindlow.h"

// Seven bands of 850 twips, each including its left limit; a press at 5950 or further right (or one that is
// not a number at all) picks no column. The bands, not the circles, decide: 852 is column 1.
qint16 frmBrindlow::columnAt(float X)
{
    if (X < BandWidth)
        return 0;
    for (qint16 column = 1; column < Columns; ++column) {
        if (BandWidth * column <= X && X < BandWidth * (column + 1))
            return column;
    }
    return NoColumn;
}

void frmBrindlow::Form_MouseDown([[maybe_unused]] qint16 Button, [[maybe_unused]] qint16 Shift, float X,
                                 [[maybe_unused]] float Y)
{
    const qint16 column = columnAt(X);
    if (column != NoColumn) {
        // From the top down, the target is the empty cell with every cell below it filled. Each test reads
        // the board as it is then, so once the target is filled no later row qualifies.
        for (qint16 row = 0; row < Rows; ++row) {
            const qint16 cell = row * Columns + column;
            bool target = isEmpty(cell);
            for (qint16 below = cell + Columns; target && below < CellCount; below += Columns)
                target = !isEmpty(below);
            if (target) {
                Swichturns();
                Shape1[cell].FillColor = currentPlayer == 1 ? BlackColor : RedColor;
            }
        }
    }
    endOfClickChecks();
}
