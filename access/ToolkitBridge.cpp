// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Reaching assistive technology with the Qt of today (6.8 and later).
#include "access/ToolkitBridge.h"

#include <QAccessible>
#include <QWidget>

// This Qt follows the desktop's accessibility switch while the game runs, so a screen reader started later
// finds the game without anything done here.
void ToolkitBridge::start()
{
}

// The screen reader of this Qt's time (Orca 48) reads a box's text from its description, and when there is
// none it skips a label of fewer than three words ("ANN WINS!").
void ToolkitBridge::describeBox(QWidget& box, const QString& text)
{
    box.setAccessibleDescription(text);
}

void ToolkitBridge::say(QWidget* board, const QString& news)
{
    QAccessibleAnnouncementEvent said(board, news);
    QAccessible::updateAccessibility(&said);
}

QAccessibleInterface* ToolkitBridge::newsOf(QWidget*)
{
    return nullptr;
}
