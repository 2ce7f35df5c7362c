// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the board hears of it, as plain functions of the board.
#pragma once

#include <QString>

class frmBrindlow;

namespace BoardSpeech {

// What the board says of itself when it gets the keyboard.
QString boardDescription();

// The name of a cell: its column first (the column is what a press chooses), then its row counted from the
// bottom, then what it holds, e.g. "Column 4, row 1: black". The cell a checker just landed in takes the
// focus, so its name is also the news of the move.
QString cellName(const frmBrindlow& form, int cell);

// A press in a full column: "Column 4 is full."
QString columnFull(int column);

} // namespace BoardSpeech
