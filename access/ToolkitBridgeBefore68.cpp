// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Reaching assistive technology with Qt before 6.8 (Debian 12): news by a notification.
#include "access/ToolkitBridge.h"

#include <QHash>

namespace {

// Where news is spoken: a notification that is never on screen and shows anew with each news. Screen readers
// speak a notification as it shows. (This Qt has no announcement.)
class NewsAccessible : public LeafAccessible
{
  public:
    explicit NewsAccessible(QWidget* board) : board(board) {}

    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board); }
    QString text(QAccessible::Text t) const override { return t == QAccessible::Name ? news : QString(); }
    QRect rect() const override { return {}; }
    QAccessible::Role role() const override { return QAccessible::Notification; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = true;
        return state;
    }

    QWidget* board;
    QString news;
};

} // namespace

// The screen reader of this Qt's time reads a box's labels; a description would have it say the text twice.
void ToolkitBridge::describeBox(QWidget&, const QString&)
{
}

void ToolkitBridge::say(QWidget* board, const QString& news)
{
    auto* shown = static_cast<NewsAccessible*>(newsOf(board));
    shown->news = news;
    QAccessibleEvent event(shown, QAccessible::ObjectShow);
    QAccessible::updateAccessibility(&event);
}

QAccessibleInterface* ToolkitBridge::newsOf(QWidget* board)
{
    static QHash<QWidget*, QAccessible::Id> boards;
    QAccessible::Id& id = boards[board];
    if (id == 0) {
        id = QAccessible::registerAccessibleInterface(new NewsAccessible(board));
        QObject::connect(board, &QObject::destroyed,
                         [board] { QAccessible::deleteAccessibleInterface(boards.take(board)); });
    }
    return QAccessible::accessibleInterface(id);
}
