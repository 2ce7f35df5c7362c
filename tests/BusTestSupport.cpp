// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// A client on the accessibility bus, and the main of the tests that run there.
#include "BusTestSupport.h"
#include "access/ToolkitBridge.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDBusMessage>
#include <QTest>

QString accessibilityBus()
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    return reply.arguments().value(0).toString();
}

Client::Client(const QString& name) : name(name), bus(QDBusConnection::connectToBus(accessibilityBus(), name))
{
}

Client::~Client()
{
    QDBusConnection::disconnectFromBus(name);
}

void Client::watch(const QString& game)
{
    for (const auto& [interface, name] : {std::pair{"Object", "StateChanged"},
                                          {"Object", "PropertyChange"},
                                          {"Object", "ChildrenChanged"},
                                          {"Object", "Announcement"},
                                          {"Focus", "Focus"},
                                          {"Window", "Activate"}}) {
        watching += bus.connect(game, QString(), QStringLiteral("org.a11y.atspi.Event.") + interface, name,
                                this, SLOT(sent()));
    }
}

bool Client::listen(const QString& event, bool on)
{
    const QString registry = QStringLiteral("org.a11y.atspi.Registry");
    QDBusMessage call = QDBusMessage::createMethodCall(
        registry, QStringLiteral("/org/a11y/atspi/registry"), registry,
        on ? QStringLiteral("RegisterEvent") : QStringLiteral("DeregisterEvent"));
    call << event;
    if (on)
        call << QStringList() << QString(); // from every application
    return bus.call(call).type() == QDBusMessage::ReplyMessage;
}

void Client::catchUp(const QString& game)
{
    bool answered = false;
    auto* reply = new QObject(this);
    connect(reply, &QObject::destroyed, this, [&answered] { answered = true; });
    bus.callWithCallback(
        QDBusMessage::createMethodCall(game, QStringLiteral("/org/a11y/atspi/accessible/root"),
                                       QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")),
        reply, SLOT(deleteLater()), SLOT(deleteLater()));
    EXPECT_TRUE(QTest::qWaitFor([&answered] { return answered; }, 20000))
        << "the game's connection is silent";
    QCoreApplication::processEvents();
}

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    ToolkitBridge::start();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
