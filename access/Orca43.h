// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What Orca 43 (Debian 12) needs beyond what every screen reader reads, and goes with it
// (docs/accessibility.md shows each need in its debug log): one move for one command, though it may click a
// cell twice and press its action; a landing in the very cell it clicked told once it has looked there, as it
// takes a focused cell under its click as its focus without a word; a box right after news waiting while
// someone listens.
#pragma once

#include "access/ReaderWorkarounds.h"

#include <QDeadlineTimer>
#include <QTimer>

#include <functional>

class Orca43 : public ReaderWorkarounds
{
  public:
    // `clock` gives milliseconds from any fixed moment (by default the monotonic clock).
    explicit Orca43(std::function<qint64()> clock = [] { return QDeadlineTimer::current().deadline(); });

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
