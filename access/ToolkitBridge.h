// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What differs between Qt versions in reaching assistive technology: how news is spoken, how a box offers its
// text, and whether the game must ask Qt to join the accessibility bus. Qt before 6.8 is served by
// ToolkitBridgeBefore68.cpp, which goes when that Qt does.
#pragma once

#include <QAccessible>
#include <QWidget>

namespace ToolkitBridge {

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
void start();
void describeBox(QWidget& box, const QString& text);
void say(QWidget* board, const QString& news);
// The board's child that carries its news, never on screen; none where Qt speaks news itself.
QAccessibleInterface* newsOf(QWidget* board);
#else
// This Qt follows the desktop's accessibility switch while the game runs, so a screen reader started later
// finds the game by itself.
inline void start()
{
}
// The screen reader of this Qt's time (Orca 48) reads a box's text from its description, and when there is
// none it skips a label of fewer than three words ("ANN WINS!").
inline void describeBox(QWidget& box, const QString& text)
{
    box.setAccessibleDescription(text);
}
inline void say(QWidget* board, const QString& news)
{
    QAccessibleAnnouncementEvent said(board, news);
    QAccessible::updateAccessibility(&said);
}
inline QAccessibleInterface* newsOf(QWidget*)
{
    return nullptr;
}
#endif

} // namespace ToolkitBridge
