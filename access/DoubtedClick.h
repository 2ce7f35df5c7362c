// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// One command of a screen reader that doubts its own click on a cell: one move.
//
// Orca 43 (Debian 12) presses the cell under flat review by clicking its middle through the X server. When it
// reads the pointer back too soon (a busy desktop) it takes the click for failed, clicks again, and then
// presses the cell by its action: one command, two or three presses of one cell. The second click is the
// second half of a double click, which is no move anyway; the action reaches the game by the accessibility
// bus, before or after the clicks. Orca 45 and later press a cell by its action alone: this file, and its two
// calls in Assistive.cpp, go when Orca 43 does. `tests/WindowTest.cpp` shows both orders; Orca's debug log
// says "Pointer didn't move" where it happened.
#pragma once

#include <QElapsedTimer>
#include <QPointF>
#include <QRectF>

#include <functional>

class DoubtedClick
{
  public:
    // Whether a mouse press at `at` (on a cell's middle, which a hand hardly ever hits) or the action on
    // `cell` is the other half of the command whose first half came a moment ago. If it is not, it may be the
    // first half of a new one.
    bool mouse(QPointF at, const std::function<QRectF(int cell)>& circle);
    bool action(int cell) { return repeats(cell, true); }

  private:
    bool repeats(int cell, bool byAction);

    int cell = -1;
    bool byAction = false;
    QElapsedTimer at;
};
