// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the board hears of it: the cells' names and the news of a press, as plain
// functions of the board.
#include "access/BoardSpeech.h"
#include "game/frmBrindlow.h"

namespace {

QString colourWord(quint32 colour)
{
    return colour == frmBrindlow::BlackColor ? QStringLiteral("black")
           : colour == frmBrindlow::RedColor ? QStringLiteral("red")
                                             : QStringLiteral("empty");
}

int rowFromBottom(int cell)
{
    return frmBrindlow::Rows - cell / frmBrindlow::Columns;
}

} // namespace

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
    return QStringLiteral("Column %1, row %2: %3")
        .arg(cell % frmBrindlow::Columns + 1)
        .arg(rowFromBottom(cell))
        .arg(colourWord(form.Shape1[cell].FillColor));
}

QString BoardSpeech::pressNews(const frmBrindlow& form, int landed, int column, const QString& turn)
{
    QString news;
    if (landed >= 0 && landed < frmBrindlow::CellCount) {
        QString colour = colourWord(form.Shape1[landed].FillColor);
        colour[0] = colour[0].toUpper();
        news = QStringLiteral("%1 in column %2, row %3.")
                   .arg(colour)
                   .arg(landed % frmBrindlow::Columns + 1)
                   .arg(rowFromBottom(landed));
    } else if (column >= 0 && column < frmBrindlow::Columns) {
        news = QStringLiteral("Column %1 is full.").arg(column + 1);
    } else {
        return news;
    }
    if (!turn.isEmpty())
        news += u' ' + turn;
    return news;
}
