// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What differs between Qt versions in reaching assistive technology: how news is spoken, how a box offers its
// text, and whether the game must ask Qt to join the accessibility bus at start-up. ToolkitBridge.cpp is for
// the Qt of today; ToolkitBridgeBefore68.cpp, for Qt before 6.8, goes when that Qt does.
#pragma once

#include <QString>

class QAccessibleInterface;
class QWidget;

namespace ToolkitBridge {

// Before the program's first window, once Qt's application object exists.
void start();

// Offers a box's text to assistive technology as the screen reader of this Qt's time reads it.
void describeBox(QWidget& box, const QString& text);

// Speaks the news once, from the board.
void say(QWidget* board, const QString& news);

// The board's child that carries its news, never on screen; none where Qt speaks news itself.
QAccessibleInterface* newsOf(QWidget* board);

} // namespace ToolkitBridge
