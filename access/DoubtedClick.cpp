// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// One command of a screen reader that doubts its own click on a cell: one move (see DoubtedClick.h).
#include "access/DoubtedClick.h"
#include "game/frmBrindlow.h"

#include <QLineF>

namespace {

// All of one command follows one key, but a busy desktop may hold one half back for a second or more.
constexpr qint64 SameCommandMs = 2000;

// The screen reader clicks the middle of a cell's extents, rounded to whole pixels, or one pixel left of it.
constexpr qreal MiddleTolerance = 1.5;

} // namespace

bool DoubtedClick::mouse(QPointF at, const std::function<QRectF(int)>& circle)
{
    for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        if (QLineF(at, circle(cell).center()).length() <= MiddleTolerance)
            return repeats(cell, false);
    }
    *this = {};
    return false;
}

bool DoubtedClick::repeats(int pressed, bool pressedByAction)
{
    const bool echo =
        cell == pressed && byAction != pressedByAction && at.isValid() && at.elapsed() < SameCommandMs;
    if (echo) {
        *this = {};
    } else {
        cell = pressed;
        byAction = pressedByAction;
        at.start();
    }
    return echo;
}
