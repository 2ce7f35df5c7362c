// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Reaching assistive technology: joining the accessibility bus, the one door to the desktop's buses, and what
// differs between Qt versions. Qt before 6.8 is served by ToolkitBridgeBefore68.cpp, which goes with that Qt.
#pragma once

#include <QAccessible>
#include <QVariant>
#include <QWidget>

class QDBusConnection;

// An object of the board that is no widget and has no children: a cell, or where news is spoken.
class LeafAccessible : public QAccessibleInterface
{
  public:
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
};

namespace ToolkitBridge {

// Before the program's first window: the player's own setting of Qt's accessibility switch; then, once the
// application object exists, Qt's bridge to assistive technology.
void prepareEnvironment();
void start();

// Asks `method` of a service on a bus and gives the first value it answers (true when it answers with none),
// or nothing when no answer comes within 80 ms: a desktop component that hangs costs the game no more. Never
// between a press and the painting of its checker.
QVariant ask(const QDBusConnection& bus, const QString& service, const QString& path,
             const QString& interface, const QString& method, const QVariantList& arguments = {});

// Whether this Qt follows the desktop's accessibility switch while the game runs, so that a screen reader
// started later finds the game by itself. Qt before 6.8 asks once, as its first window opens.
constexpr bool followsTheSwitch = QT_VERSION >= QT_VERSION_CHECK(6, 8, 0);

#if QT_VERSION < QT_VERSION_CHECK(6, 8, 0)
void describeBox(QWidget& box, const QString& text);
void say(QWidget* board, const QString& news);
// The board's child that carries its news, never on screen; none where Qt speaks news itself.
QAccessibleInterface* newsOf(QWidget* board);
#else
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
