// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a screen reader is told about the board: its 42 cells, what a press did, and whose turn it is.
#pragma once

#include <QString>

class BoardView;
class frmBrindlow;

namespace BoardAccessible {

// Makes the board a table of its cells for assistive technology. Once per program, before the window is
// shown.
void install();

// What the board says of itself when it gets the keyboard.
QString boardDescription();

// The name of a cell: its column first (the column is what a press chooses), then its row counted from the
// bottom, then what it holds, e.g. "Column 4, row 1: black".
QString cellName(const frmBrindlow& form, int cell);

// What a press did, as a screen reader says it: where the checker landed ("Black in column 4, row 1."), or
// that the column is full, followed by the turn when one is given. Empty when the press was beside the
// columns and did nothing.
QString pressNews(const frmBrindlow& form, int landed, int column, const QString& turn);

// Tells assistive technology that a cell's checker changed; nothing when none is listening.
void cellChanged(BoardView* board, int cell);

// Says the news once, through whatever the desktop's assistive technology listens to; nothing when none
// listens or there is no news.
void announce(BoardView* board, const QString& news);

} // namespace BoardAccessible
