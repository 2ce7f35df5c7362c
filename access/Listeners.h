// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Whether assistive technology listens to the game: the accessibility registry's own list of the event
// listeners its clients have registered.
#pragma once

#include <QAccessible>
#include <QMultiHash>
#include <QObject>
#include <QString>

class QDBusConnection;
class QDBusError;
class QDBusMessage;
class QDBusServiceWatcher;

// A screen reader, a magnifier or any other assistive client registers with the registry the events it
// wants; toolkits send only those. So does the game: it speaks to assistive technology only while some
// client has registered a listener. The list is asked for once, when Qt joins the accessibility bus, and then
// kept up to date from the registry's signals, on Qt's own connection to that bus. Nothing here waits for an
// answer: a registry that does not answer leaves the list empty.
class Listeners : public QObject, private QAccessible::ActivationObserver
{
    Q_OBJECT

  public:
    static Listeners& instance();

    // Whether some client listens. False off the accessibility bus.
    bool any() const;

    // Starts following the registry once Qt is on the accessibility bus; nothing before.
    void follow();

  private Q_SLOTS:
    void listed(const QDBusMessage& reply);
    void unanswered(const QDBusError& error);
    void registered(const QDBusMessage& signal);
    void deregistered(const QDBusMessage& signal);
    void gone(const QString& client);

  private:
    void accessibilityActiveChanged(bool active) override;
    void join(const QDBusConnection& bus);
    void add(const QString& client, const QString& event);

    // Events registered, by the client's name on the bus.
    QMultiHash<QString, QString> events;
    QDBusServiceWatcher* clients = nullptr;
    bool joined = false;
    bool warned = false;
};
