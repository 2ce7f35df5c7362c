// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the board hears of it, as plain functions of the board.
#include "access/BoardSpeech.h"
#include "game/frmBrindlow.h"

QString BoardSpeech::boardDescription()
{
    return QStringLiteral(
        "Seven columns of six cells, rows counted from the bottom. Click any cell of a column to "
        "drop a checker in that column.");
}

QString BoardSpeech::cellName(const frmBrindlow& form, int cell)
{
    if (cell < 0 || cell >= frmBrindlow::CellCount)
        return {};
    const quint32 colour = form.Shape1[cell].FillColor;
    return QStringLiteral("Column %1, row %2: %3")
        .arg(cell % frmBrindlow::Columns + 1)
        .arg(frmBrindlow::Rows - cell / frmBrindlow::Columns)
        .arg(colour == frmBrindlow::BlackColor ? QStringLiteral("black")
             : colour == frmBrindlow::RedColor ? QStringLiteral("red")
                                               : QStringLiteral("empty"));
}

QString BoardSpeech::columnFull(int column)
{
    return QStringLiteral("Column %1 is full.").arg(column + 1);
}
