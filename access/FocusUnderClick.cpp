// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The focus onto the very cell a screen reader's click pressed, once that screen reader has looked there
// (see FocusUnderClick.h).
#include "access/FocusUnderClick.h"

namespace {

// How long the focus waits for a screen reader to look under the pointer: a sighted player's own click, with
// no screen reader that looks, is told this late.
constexpr int LookMs = 250;
// What the screen reader finds under the pointer it asks about next: the cell's state, still unfocused.
constexpr int AfterLookMs = 100;

} // namespace

FocusUnderClick::FocusUnderClick(QObject* parent, std::function<void()> move)
    : QObject(parent), move(std::move(move))
{
    timer.setSingleShot(true);
    timer.setInterval(LookMs);
    connect(&timer, &QTimer::timeout, this, [this] { this->move(); });
}

void FocusUnderClick::wait()
{
    timer.start();
}

// The screen reader reads the cell's state right after its look, and finds it still without the focus.
void FocusUnderClick::looked()
{
    if (timer.isActive() && timer.remainingTime() > AfterLookMs)
        timer.start(AfterLookMs);
}

void FocusUnderClick::now()
{
    if (timer.isActive()) {
        timer.stop();
        move();
    }
}
