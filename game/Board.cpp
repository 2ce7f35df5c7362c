// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The board: where each circle stands, and emptying it.
#include "game/frmBrindlow.h"

frmBrindlow::frmBrindlow(Platform& platform) : platform(platform)
{
    for (qint16 cell = 0; cell < CellCount; ++cell) {
        const qint32 column = cell % Columns;
        const qint32 row = cell / Columns;
        Shape1[cell] = Shape{EmptyColor, 120 + 840 * column, 120 + 720 * row, 735, 615};
    }
}

// Every caller keeps its own loop index (Win clears with resetIndex so a running scan keeps its place);
// this one is local to the handler that asks for it.
void frmBrindlow::clearBoard()
{
    for (qint16 cell = 0; cell < CellCount; ++cell)
        Shape1[cell].FillColor = EmptyColor;
}
