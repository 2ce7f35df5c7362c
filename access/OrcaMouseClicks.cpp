// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Orca 43's clicks on a cell: one move per command, and the landing told (see OrcaMouseClicks.h).
#include "access/OrcaMouseClicks.h"
#include "game/frmBrindlow.h"

#include <QLineF>

namespace {

// All of one command follows one key, but a busy desktop may hold one half back for a second or more.
constexpr qint64 SameCommandMs = 2000;
// Orca 43's review clicks a pixel left of the middle of a cell's extents and its fallback the middle itself,
// both rounded down to whole pixels: up to 1.6 px from the circle's centre.
constexpr qreal MiddleTolerance = 2.5;
// How long a focus waits for Orca to look under the pointer, and then for it to read the cell's state.
constexpr int LookMs = 250;
constexpr int AfterLookMs = 100;

} // namespace

OrcaMouseClicks::OrcaMouseClicks(QObject* parent, std::function<QRectF(int)> circle,
                                 std::function<void(int)> focus)
    : QObject(parent), circle(std::move(circle)), focus(std::move(focus))
{
    timer.setSingleShot(true);
    connect(&timer, &QTimer::timeout, this, [this] { tell(landing); });
}

bool OrcaMouseClicks::mouse(QPointF at)
{
    pointerCell = -1;
    bool middle = false;
    for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        if (circle(cell).contains(at)) {
            pointerCell = cell;
            middle = QLineF(at, circle(cell).center()).length() <= MiddleTolerance;
        }
    }
    if (!middle) {
        pressedCell = -1;
        return true;
    }
    return !repeats(pointerCell, false, at);
}

// One command presses one cell two or three times, in any order: by the mouse (twice, at points a pixel
// apart) and by its action. A hand that clicks twice without moving clicks the same point: two moves. And a
// click on a cell whose landing has been told since is the player's next command: stacking on the checker
// just heard.
bool OrcaMouseClicks::repeats(int cell, bool action, QPointF at)
{
    const bool echo = cell == pressedCell && pressedAt.elapsed() < SameCommandMs &&
                      (byAction != action || (!action && at != pressedPoint && !landingTold));
    if (!echo) {
        pressedCell = cell;
        byAction = action;
        pressedPoint = at;
        landingTold = false;
        pressedAt.start();
    }
    return echo;
}

void OrcaMouseClicks::tell(int cell)
{
    landingTold = landingTold || cell == pressedCell;
    focus(cell);
}

void OrcaMouseClicks::landed(int cell)
{
    now();
    landing = cell;
    if (cell == pointerCell)
        timer.start(LookMs);
    else
        tell(cell);
}

void OrcaMouseClicks::lookedAt(int cell)
{
    if (cell == landing && timer.isActive() && timer.remainingTime() > AfterLookMs)
        timer.start(AfterLookMs);
}

void OrcaMouseClicks::now()
{
    if (timer.isActive()) {
        timer.stop();
        tell(landing);
    }
}
