// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the board hears of it: the cells' names and the news of a press, as plain
// functions of the board.
#pragma once

#include <QString>

class frmBrindlow;

namespace BoardSpeech {

// What the board says of itself when it gets the keyboard.
QString boardDescription();

// The name of a cell: its column first (the column is what a press chooses), then its row counted from the
// bottom, then what it holds, e.g. "Column 4, row 1: black".
QString cellName(const frmBrindlow& form, int cell);

// What a press did: where the checker landed ("Black in column 4, row 1."), or that the column is full,
// followed by the turn when one is given. Empty when the press was beside the columns and did nothing.
QString pressNews(const frmBrindlow& form, int landed, int column, const QString& turn);

} // namespace BoardSpeech
