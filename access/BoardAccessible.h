// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The board as assistive technology sees it: a table of its 42 cells, one of them current.
#pragma once

#include <QRect>

class QAccessibleInterface;
class QWidget;
class frmBrindlow;

// What the table shows and does for one board widget.
class AccessibleBoard
{
  public:
    virtual ~AccessibleBoard() = default;
    virtual const frmBrindlow& form() const = 0;
    // A cell's circle on the screen, in device-independent pixels.
    virtual QRect cellOnScreen(int cell) const = 0;
    // The cell assistive technology is told has the focus while the board has the keyboard.
    virtual int currentCell() const = 0;
    // A screen reader's command to press a cell.
    virtual void pressCell(int cell) = 0;
    // What else belongs to the board for assistive technology and is not on screen (see BoardNews).
    virtual int extraChildCount() const { return 0; }
    virtual QAccessibleInterface* extraChild(int) const { return nullptr; }
};

namespace BoardAccessible {

// `widget` is seen as the table of `board` from now on, until the widget is gone.
void serve(QWidget* widget, AccessibleBoard* board);

// The interface of a cell of the board `widget` shows.
QAccessibleInterface* cell(QWidget* widget, int cell);

} // namespace BoardAccessible
