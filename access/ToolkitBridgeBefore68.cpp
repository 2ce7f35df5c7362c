// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Reaching assistive technology with Qt before 6.8 (Debian 12): news by a notification, and joining the
// accessibility bus at start-up so that a screen reader started later finds the game.
#include "access/ToolkitBridge.h"

#include <QAccessible>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QHash>
#include <QWidget>

namespace {

// Where the news of a press is spoken: a notification that is never on screen and shows anew with each news.
// Screen readers speak a notification as it shows. (This Qt has no announcement.)
class NewsAccessible : public QAccessibleInterface
{
  public:
    explicit NewsAccessible(QWidget* board) : board(board) {}

    bool isValid() const override { return board != nullptr; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent() ? parent()->window() : nullptr; }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(board); }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
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

// How long the start-up may wait for each answer of the accessibility bus.
constexpr int AnswerMs = 250;

bool answers(QDBusConnection& bus, const QDBusMessage& call, QDBusMessage* reply = nullptr)
{
    const QDBusMessage answer = bus.call(call, QDBus::Block, AnswerMs);
    if (reply != nullptr)
        *reply = answer;
    return answer.type() == QDBusMessage::ReplyMessage;
}

} // namespace

// This Qt asks the desktop once, as its first window opens, whether assistive technology is on, and never
// again: a game started before the screen reader would stay silent. So the game asks Qt to join the
// accessibility bus whenever the desktop has one whose registry answers (Qt's own variable, set here only
// when the player has not set it). A registry that does not answer would hold every start-up for a minute
// in Qt's calls to it; then the game stays off the bus, as it does without one. Each question here waits
// at most a quarter of a second, and only while the desktop runs the accessibility bus.
void ToolkitBridge::start()
{
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ||
        !qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS"))
        return; // the player's own choice, or a bus Qt joins by itself
    QDBusConnection session = QDBusConnection::sessionBus();
    if (!session.isConnected())
        return;
    QDBusMessage reply;
    const QDBusMessage hasBus =
        QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
                                       QStringLiteral("/org/freedesktop/DBus"),
                                       QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameHasOwner"))
        << QStringLiteral("org.a11y.Bus");
    if (!answers(session, hasBus, &reply) || reply.arguments().value(0).toBool() == false)
        return;
    const QDBusMessage address =
        QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"), QStringLiteral("/org/a11y/bus"),
                                       QStringLiteral("org.a11y.Bus"), QStringLiteral("GetAddress"));
    if (!answers(session, address, &reply) || reply.arguments().value(0).toString().isEmpty())
        return;
    const QString probe = QStringLiteral("brindlow-registry-probe");
    bool registryAnswers = false;
    {
        QDBusConnection bus = QDBusConnection::connectToBus(reply.arguments().value(0).toString(), probe);
        const QDBusMessage ping = QDBusMessage::createMethodCall(
            QStringLiteral("org.a11y.atspi.Registry"), QStringLiteral("/org/a11y/atspi/registry"),
            QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"));
        registryAnswers = bus.isConnected() && answers(bus, ping);
    }
    QDBusConnection::disconnectFromBus(probe);
    if (registryAnswers)
        qputenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", "1");
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
