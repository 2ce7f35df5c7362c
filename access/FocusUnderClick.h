// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The focus onto the very cell a screen reader's click pressed, once that screen reader has looked there.
//
// Orca 43 (Debian 12) looks under the pointer at every mouse press. A focused object it finds there becomes
// its focus without a word, and the focus event that follows is then no change to it: it says nothing of the
// cell and keeps reviewing the board as it was. Its click on the lowest empty cell of a column finds that
// cell focused, as the checker lands there at once. So when the mouse pressed the very cell the checker
// landed in, the focus moves there only once a screen reader has asked the board which cell is at a point
// (Orca 43 asks as it looks), or after a moment when none asks. Orca 45 and later do not look: this file, and
// its calls in Assistive.cpp and BoardAccessible.cpp, go when Orca 43 does. Orca's debug log says "Changing
// locusOfFocus
// ... Notify: False" after "mouse:button:1p" where it happened.
#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class FocusUnderClick : public QObject
{
  public:
    // `move` moves the focus onto the cell.
    FocusUnderClick(QObject* parent, std::function<void()> move);

    // The cell the mouse pressed is the one the checker landed in: its focus waits.
    void wait();
    bool waiting() const { return timer.isActive(); }
    // A screen reader has asked which cell is at a point.
    void looked();
    // The focus moves at once.
    void now();

  private:
    std::function<void()> move;
    QTimer timer;
};
