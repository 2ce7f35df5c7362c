// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Whether assistive technology listens to the game: the accessibility registry's own list of the event
// listeners its clients have registered.
#include "access/Listeners.h"

#include <QAccessible>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusError>
#include <QDBusMessage>
#include <QDBusServiceWatcher>

namespace {

const QString Registry = QStringLiteral("org.a11y.atspi.Registry");
const QString RegistryPath = QStringLiteral("/org/a11y/atspi/registry");

// Qt's connection to the accessibility bus carries this name; the game adds no connection of its own.
QDBusConnection qtAccessibilityBus()
{
    return QDBusConnection(QStringLiteral("a11y"));
}

} // namespace

Listeners& Listeners::instance()
{
    static Listeners* listeners = [] {
        auto* created = new Listeners;
        QAccessible::installActivationObserver(created);
        if (QAccessible::isActive()) // Qt joined the bus as the application started
            created->follow();
        return created;
    }();
    return *listeners;
}

bool Listeners::any() const
{
    return !events.isEmpty() && QAccessible::isActive() && qtAccessibilityBus().isConnected();
}

void Listeners::accessibilityActiveChanged(bool active)
{
    if (active)
        follow();
}

void Listeners::follow()
{
    if (joined)
        return;
    const QDBusConnection bus = qtAccessibilityBus();
    if (bus.isConnected())
        join(bus);
}

void Listeners::join(const QDBusConnection& bus)
{
    joined = true;
    QDBusConnection connection = bus;
    connection.connect(Registry, RegistryPath, Registry, QStringLiteral("EventListenerRegistered"), this,
                       SLOT(registered(QDBusMessage)));
    connection.connect(Registry, RegistryPath, Registry, QStringLiteral("EventListenerDeregistered"), this,
                       SLOT(deregistered(QDBusMessage)));
    // A client that ends without deregistering leaves the bus: its listeners go with it.
    clients =
        new QDBusServiceWatcher(QString(), connection, QDBusServiceWatcher::WatchForUnregistration, this);
    connect(clients, &QDBusServiceWatcher::serviceUnregistered, this, &Listeners::gone);
    const QDBusMessage ask = QDBusMessage::createMethodCall(Registry, RegistryPath, Registry,
                                                            QStringLiteral("GetRegisteredEvents"));
    connection.callWithCallback(ask, this, SLOT(listed(QDBusMessage)), SLOT(unanswered(QDBusError)));
}

void Listeners::add(const QString& client, const QString& event)
{
    if (!events.contains(client))
        clients->addWatchedService(client);
    events.insert(client, event);
}

// The list as the registry keeps it: pairs of a client's name on the bus and an event, e.g.
// (":1.5", "object:state-changed:focused").
void Listeners::listed(const QDBusMessage& reply)
{
    if (reply.arguments().isEmpty())
        return;
    const QDBusArgument list = reply.arguments().constFirst().value<QDBusArgument>();
    list.beginArray();
    while (!list.atEnd()) {
        QString client;
        QString event;
        list.beginStructure();
        list >> client >> event;
        list.endStructure();
        if (!events.contains(client, event)) // a signal may have told of it already
            add(client, event);
    }
    list.endArray();
}

void Listeners::unanswered(const QDBusError& error)
{
    if (warned)
        return;
    warned = true;
    qWarning("brindlow: the accessibility registry did not say who listens: %s", qPrintable(error.message()));
}

void Listeners::registered(const QDBusMessage& signal)
{
    const QList<QVariant> arguments = signal.arguments();
    if (arguments.size() >= 2)
        add(arguments[0].toString(), arguments[1].toString());
}

void Listeners::deregistered(const QDBusMessage& signal)
{
    const QList<QVariant> arguments = signal.arguments();
    if (arguments.size() < 2)
        return;
    const QString client = arguments[0].toString();
    if (const auto found = events.find(client, arguments[1].toString()); found != events.end())
        events.erase(found);
    if (!events.contains(client))
        clients->removeWatchedService(client);
}

void Listeners::gone(const QString& client)
{
    events.remove(client);
    clients->removeWatchedService(client);
}
