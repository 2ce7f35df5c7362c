// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What differs between Qt versions in reaching assistive technology: how news is spoken, how a box offers its
// text, and whether the game must ask Qt to join the accessibility bus at start-up. ToolkitBridge.cpp is for
// the Qt of today; ToolkitBridgeBefore68.cpp, for Qt before 6.8, goes when that Qt does.
#pragma once

#include <QString>

class QAccessibleInterface;
class QWidget;

class ToolkitBridge
{
  public:
    // Before the program's first window, once Qt's application object exists.
    static void start();

    // Offers a box's text to assistive technology as the screen reader of this Qt's time reads it.
    static void describeBox(QWidget& box, const QString& text);

    explicit ToolkitBridge(QWidget* board);
    ~ToolkitBridge();
    ToolkitBridge(const ToolkitBridge&) = delete;
    ToolkitBridge& operator=(const ToolkitBridge&) = delete;

    // Speaks the news once, from the board.
    void say(const QString& news);

    // The board's children that only carry news, not on screen.
    int childCount() const;
    QAccessibleInterface* child(int index) const;

  private:
    QWidget* board;
    QAccessibleInterface* news = nullptr;
};
