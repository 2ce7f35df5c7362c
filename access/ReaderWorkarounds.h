// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What one screen reader needs beyond what every screen reader reads, in a file of its own put in place by
// one line of main.cpp. This default needs nothing: it admits every press and delays nothing.
#pragma once

#include <QPointF>

#include <functional>
#include <optional>

class ReaderWorkarounds
{
  public:
    virtual ~ReaderWorkarounds() = default;

    // Whether a press of a cell is a move: a mouse press so many pixels from the cell's centre, or (none)
    // the cell's press action.
    virtual bool admits(int /*cell*/, std::optional<QPointF> /*fromCentre*/) { return true; }
    // The checker of the press just admitted landed in a cell. True: its focus moves now; false: once
    // `focus` is called, which happens once, and before the next box opens.
    virtual bool landed(int /*cell*/, std::function<void()> /*focus*/) { return true; }
    // A screen reader asked which cell is at a point and was told this one, or (`state`) read its state.
    virtual void looked(int /*cell*/, bool /*state*/) {}
    // A box is about to open soon after what was just told (a landing, or the box before it in the same
    // command); returns when it may open.
    virtual void boxOpening(bool /*soon*/) {}
};
