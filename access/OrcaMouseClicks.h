// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Orca 43 (Debian 12) presses a cell by clicking it through the X server, and that click brings two troubles.
// Orca 45 and later press by the cell's action alone: this file, and its calls in Assistive, go with Orca 43.
//
// - One command, two moves. When Orca 43 reads the pointer back too soon (a busy desktop) it takes its click
//   on a cell's middle for failed, clicks again a pixel to the right and then presses the cell by its action:
//   one command, two or three presses of one cell, in an order the game may see mixed. Only the first is a
//   move (the second click is often, but on a busy desktop not always, the second half of a double click).
//   Orca's debug log says "Pointer didn't move" where it happened.
// - A landing not told. At every mouse press Orca 43 asks which cell is under the pointer, and a focused
//   cell it finds there becomes its focus without a word; the focus event that follows is then no change to
//   it. When the checker lands in the very cell the mouse pressed, its focus therefore waits until Orca has
//   asked (and read the cell's state), or a moment when nobody asks. The debug log says "Changing
//   locusOfFocus ... Notify: False" after "mouse:button:1p" where it happened.
#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QPointF>
#include <QRectF>
#include <QTimer>

#include <functional>

class OrcaMouseClicks : public QObject
{
  public:
    // `circle` gives a cell's circle in the board's pixels; `focus` moves the focus onto a cell.
    OrcaMouseClicks(QObject* parent, std::function<QRectF(int cell)> circle, std::function<void(int)> focus);

    // Whether a mouse press at `at`, or the action on `cell`, is a move: false for the second half of a
    // command whose first half came a moment ago.
    bool mouse(QPointF at);
    bool action(int cell) { return !repeats(cell, true, {}); }

    // A checker landed in `cell`: its focus moves now, or waits when the mouse pressed that very cell.
    void landed(int cell);
    bool waiting() const { return timer.isActive(); }
    void lookedAt(int cell);
    // A waiting focus moves at once.
    void now();
    // The press being handled is done with.
    void pressHandled() { pointerCell = -1; }

  private:
    bool repeats(int cell, bool byAction, QPointF at);
    // Moves the focus onto the landing `cell`, which tells it.
    void tell(int cell);

    std::function<QRectF(int)> circle;
    std::function<void(int)> focus;
    QTimer timer;
    int pointerCell = -1;
    int landing = -1;
    // The first press of the last command: its cell, how it came, where and when.
    int pressedCell = -1;
    bool byAction = false;
    QPointF pressedPoint;
    bool landingTold = false;
    QElapsedTimer pressedAt;
};
