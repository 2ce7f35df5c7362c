// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The window on a real accessibility bus, as access_bus_test.sh starts it: while no assistive client has
// registered a listener with the registry a press sends nothing on the bus and no box waits; once one has,
// the game is heard and the winner's box waits for it. (Qt's bridge keeps sending after the last client
// deregisters: it never forgets a listener.)
#include "platform/ScriptedPlatform.h"
#include "window/FormWindow.h"

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QMouseEvent>
#include <QTest>
#include <QTimer>

#include <memory>

namespace {

const QString Registry = QStringLiteral("org.a11y.atspi.Registry");
const QString RegistryPath = QStringLiteral("/org/a11y/atspi/registry");

// The accessibility bus's address, as a screen reader finds it: from the launcher on the session bus.
QString accessibilityBus()
{
    const QDBusMessage reply = QDBusConnection::sessionBus().call(
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress")));
    return reply.arguments().value(0).toString();
}

// Stands for an assistive client on the bus: registers listeners with the registry as a screen reader does,
// and counts the accessibility events the game's connection sends.
class Client : public QObject
{
    Q_OBJECT

  public:
    explicit Client(const QString& name)
        : name(name), bus(QDBusConnection::connectToBus(accessibilityBus(), name))
    {
    }
    ~Client() override { QDBusConnection::disconnectFromBus(name); }

    const QString name;
    QDBusConnection bus;
    int events = 0;
    int watching = 0;

    // Counts what the game sends from now on.
    void watch(const QString& game)
    {
        for (const auto& [interface, name] : {std::pair{"Object", "StateChanged"},
                                              {"Object", "PropertyChange"},
                                              {"Object", "ChildrenChanged"},
                                              {"Object", "Announcement"},
                                              {"Focus", "Focus"},
                                              {"Window", "Activate"}}) {
            watching += bus.connect(game, QString(), QStringLiteral("org.a11y.atspi.Event.") + interface,
                                    name, this, SLOT(sent()));
        }
    }

    // Asks the registry to pass on `event` to this client, or to stop.
    bool listen(const QString& event, bool on)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(Registry, RegistryPath, Registry,
                                                           on ? QStringLiteral("RegisterEvent")
                                                              : QStringLiteral("DeregisterEvent"));
        call << event;
        if (on)
            call << QStringList() << QString(); // from every application
        return bus.call(call).type() == QDBusMessage::ReplyMessage;
    }

    // Waits until everything the game sent before now has arrived: the game's connection answers a question
    // only after what it sent before.
    void catchUp(const QString& game)
    {
        bool answered = false;
        auto* reply = new QObject(this);
        connect(reply, &QObject::destroyed, this, [&answered] { answered = true; });
        bus.callWithCallback(QDBusMessage::createMethodCall(
                                 game, QStringLiteral("/org/a11y/atspi/accessible/root"),
                                 QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping")),
                             reply, SLOT(deleteLater()), SLOT(deleteLater()));
        EXPECT_TRUE(QTest::qWaitFor([&answered] { return answered; }, 20000))
            << "the game's connection is silent";
        QCoreApplication::processEvents();
    }

  public slots:
    void sent() { ++events; }
};

QDBusConnection gameBus()
{
    return QDBusConnection(QStringLiteral("a11y"));
}

struct BusWindow
{
    BusWindow()
    {
        platform.throwOnEnd = false;
        platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
        // As the real boxes do; notes whether the box waited for a screen reader, that is, whether the event
        // loop ran while it was about to open.
        platform.onBox = [this](const Box& box) {
            window.refresh();
            auto loopRan = std::make_shared<bool>(false);
            QTimer::singleShot(0, [loopRan] { *loopRan = true; });
            window.assistive().boxOpening(nullptr, box.prompt);
            waited = waited || *loopRan;
        };
        window.start();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    // Black wins along row 1; returns whether the winner's box waited.
    bool blackWins()
    {
        waited = false;
        for (const int column : {0, 0, 1, 1, 2, 2, 3}) {
            const QPointF at((850 * column + 425) / TwipsPerPixel, 100);
            QMouseEvent event(QEvent::MouseButtonPress, at, window.board()->mapToGlobal(at), Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QApplication::sendEvent(window.board(), &event);
        }
        EXPECT_EQ(platform.boxes.back().prompt, QStringLiteral("ANN WINS!"));
        return waited;
    }

    ScriptedPlatform platform;
    FormWindow window{platform};
    bool waited = false;
};

// What a game black wins sends on the bus, once all of it has arrived (Qt learns of a client's listeners
// from the registry a moment later, so a change is waited for).
int eventsOfAGame(Client& watcher, BusWindow& game, bool expectSome)
{
    int events = 0;
    bool waited = false;
    const bool settled = QTest::qWaitFor(
        [&] {
            watcher.events = 0;
            waited = game.blackWins();
            watcher.catchUp(gameBus().baseService());
            events = watcher.events;
            return (events > 0) == expectSome;
        },
        20000);
    EXPECT_TRUE(settled) << "the game " << (expectSome ? "stayed quiet" : "kept sending");
    EXPECT_EQ(waited, expectSome) << "the winner's box waits for a screen reader, and only while one listens";
    return events;
}

TEST(AccessibilityBus, NothingIsSentWhileNobodyListens)
{
    ASSERT_TRUE(QTest::qWaitFor([] { return gameBus().isConnected() && QAccessible::isActive(); }, 20000))
        << "the game did not join the accessibility bus at " << qPrintable(accessibilityBus());
    Client watcher(QStringLiteral("watcher"));
    ASSERT_TRUE(watcher.bus.isConnected());
    BusWindow game;
    watcher.watch(gameBus().baseService());
    ASSERT_EQ(watcher.watching, 6);
    watcher.catchUp(gameBus().baseService());
    watcher.events = 0;
    EXPECT_FALSE(game.blackWins()) << "a box waited";
    watcher.catchUp(gameBus().baseService());
    EXPECT_EQ(watcher.events, 0);

    // A client registers, as a screen reader does when it starts: from then on the game is heard.
    ASSERT_TRUE(watcher.listen(QStringLiteral("object:"), true));
    ASSERT_TRUE(watcher.listen(QStringLiteral("focus:"), true));
    EXPECT_GT(eventsOfAGame(watcher, game, true), 0);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    Assistive::start();
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}

#include "AccessBusTest.moc"
