// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Reaching assistive technology with Qt before 6.8 (Debian 12): news by a notification, and joining the
// accessibility bus at start-up so that a screen reader started later finds the game.
#include "access/ToolkitBridge.h"

#include <QDBusConnection>
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

// This Qt asks the desktop once, as its first window opens, whether assistive technology is on, and never
// again: a game started before the screen reader would stay silent. So the game asks Qt to join the
// accessibility bus whenever the desktop runs one whose registry answers (Qt's own variable, when the
// player has not set it). A registry that does not answer would hold every start-up for a minute
// in Qt's calls to it; then the game stays off the bus, as it does without one.
bool ToolkitBridge::joinForLateReader()
{
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ||
        !qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS"))
        return false; // the player's own choice, or a bus Qt joins by itself
    const QDBusConnection session = QDBusConnection::sessionBus();
    const QString launcher = QStringLiteral("org.a11y.Bus");
    if (!session.isConnected() ||
        !ToolkitBridge::ask(session, QStringLiteral("org.freedesktop.DBus"),
                            QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
                            QStringLiteral("NameHasOwner"), {launcher})
             .toBool())
        return false;
    const QString address = ToolkitBridge::ask(session, launcher, QStringLiteral("/org/a11y/bus"), launcher,
                                               QStringLiteral("GetAddress"))
                                .toString();
    if (address.isEmpty())
        return false;
    const QString probe = QStringLiteral("brindlow-registry-probe");
    bool registryAnswers = false;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(address, probe);
        registryAnswers =
            bus.isConnected() &&
            ToolkitBridge::ask(bus, QStringLiteral("org.a11y.atspi.Registry"),
                               QStringLiteral("/org/a11y/atspi/registry"),
                               QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"))
                .isValid();
    }
    QDBusConnection::disconnectFromBus(probe);
    return registryAnswers;
}

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
