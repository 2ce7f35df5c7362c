// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Every word a player who cannot see the board hears of it; the status line and the boxes speak for
// themselves.
#pragma once

#include "game/frmBrindlow.h"

#include <QString>

namespace Words {

// Rows are counted from the bottom, where a checker lands first.
inline int rowFromBottom(int row)
{
    return frmBrindlow::Rows - row;
}

inline QString column(int column)
{
    return QStringLiteral("Column %1").arg(column + 1);
}

inline QString row(int row)
{
    return QStringLiteral("Row %1").arg(rowFromBottom(row));
}

// A cell names its column first (the column is what a press chooses), then its row, then what it holds:
// "Column 4, row 1: black". The cell a checker just landed in takes the focus, so its name is also the news
// of the move.
inline QString cellName(const frmBrindlow& form, int cell)
{
    const quint32 colour = form.Shape1[cell].FillColor;
    return QStringLiteral("%1, row %2: %3")
        .arg(column(cell % frmBrindlow::Columns))
        .arg(rowFromBottom(cell / frmBrindlow::Columns))
        .arg(colour == frmBrindlow::BlackColor ? QStringLiteral("black")
             : colour == frmBrindlow::RedColor ? QStringLiteral("red")
                                               : QStringLiteral("empty"));
}

// Said before the turn when a press in a full column dropped nothing.
inline QString columnFull(int column)
{
    return QStringLiteral("%1 is full. ").arg(Words::column(column));
}

inline QString boardName()
{
    return QStringLiteral("Board");
}

// What the board says of itself when it gets the keyboard.
inline QString boardDescription()
{
    return QStringLiteral(
        "Seven columns of six cells, rows counted from the bottom. Click any cell of a column "
        "to drop a checker in that column.");
}

} // namespace Words
