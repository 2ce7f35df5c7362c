// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What Orca 43 (Debian 12) needs beyond what every screen reader reads. Orca 45 and later press a cell by its
// action alone and read a box whenever it opens; this file, its line in main.cpp and its build entry go with
// Orca 43.
//
// - One command, two moves. Orca 43 presses a cell by clicking it through the X server. When it reads the
//   pointer back too soon (a busy desktop) it takes its click on the cell's middle for failed, clicks again a
//   pixel to the right and then presses the cell by its action: one command, two or three presses of one
//   cell, in an order the game may see mixed. Only the first is a move. Its debug log says "Pointer didn't
//   move" where it happened.
// - A landing not told. At every mouse press Orca 43 asks which cell is under the pointer, and a focused cell
//   it finds there becomes its focus without a word; the focus event that follows is then no change to it.
//   So when the checker lands in the very cell clicked, its focus waits until Orca has looked there and read
//   the cell's state, or a moment when nobody looks. The log says "Changing locusOfFocus ... Notify: False"
//   after "mouse:button:1p" where it happened.
// - A box read without what came before. A box that opens within moments of the landing that opened it, or
//   of the box before it in the same command, is taken for the window Orca 43 already knew: it reads only the
//   box's button, or loses the landing. Such a box waits a moment while some screen reader listens.
#pragma once

#include "access/ReaderWorkarounds.h"

#include <QTimer>

#include <functional>

class Orca43 : public ReaderWorkarounds
{
  public:
    // `clock` gives milliseconds from any fixed moment (by default the system's monotonic clock).
    explicit Orca43(std::function<qint64()> clock = {});

    bool admits(int cell, std::optional<QPointF> fromCentre) override;
    bool landed(int cell, std::function<void()> focus) override;
    void looked(int cell, bool state) override;
    void boxOpening(bool soon) override;

  private:
    void release();

    std::function<qint64()> clock;
    // The first press of the last command: its cell, how it came, where and when; and when its checker
    // landed in the very cell pressed (-1: not yet, or elsewhere).
    int pressedCell = -1;
    bool byAction = false;
    QPointF pressedPoint;
    qint64 pressedAt = 0;
    qint64 landedAt = -1;
    // The cell the last mouse press was on, whether Orca has since looked there and read its state, and the
    // landing's focus while it waits for that.
    int pointerCell = -1;
    bool seen = false;
    bool read = false;
    std::function<void()> waitingFocus;
    QTimer timer;
};
