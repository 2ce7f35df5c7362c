// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the tests on the accessibility bus share (access_bus_test.sh starts the bus): a client that stands for
// a screen reader, and a main that starts Qt's bridge to assistive technology before any test runs.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

// The accessibility bus's address, as a screen reader finds it: from the launcher on the session bus.
QString accessibilityBus();

// Stands for an assistive client on the bus: registers listeners with the registry as a screen reader does,
// and counts the accessibility events the game's connection sends.
class Client : public QObject
{
    Q_OBJECT

  public:
    explicit Client(const QString& name);
    ~Client() override;

    const QString name;
    QDBusConnection bus;
    int events = 0;
    int watching = 0;

    // Counts what the game sends from now on.
    void watch(const QString& game);
    // Asks the registry to pass on `event` to this client, or to stop.
    bool listen(const QString& event, bool on);
    // Waits until everything the game sent before now has arrived: the game's connection answers a question
    // only after what it sent before.
    void catchUp(const QString& game);

  public slots:
    void sent() { ++events; }
};
