// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Joining the accessibility bus, and the one door to the desktop's buses.
#include "access/ToolkitBridge.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <optional>

namespace {

bool switchedOff = false;

// What Qt's bridge reads of the environment. The game starts no other program, so nothing else inherits it.
void setForBridge(const char* name, std::optional<QByteArray> value)
{
    if (value)
        qputenv(name, *value);
    else
        qunsetenv(name);
}

} // namespace

// Qt joins the accessibility bus whenever its variable is set, whatever its value, and from Qt 6.8 on its X11
// platform also joins through the root window's AT_SPI_BUS property, whatever the desktop's switch says. A
// player who sets the variable to 0 (false, no, off) means off. The one thing every Qt reads before all else
// is the bus address in AT_SPI_BUS_ADDRESS; pointed at an address that leads nowhere, the bridge joins no bus
// and holds no connection, whatever the desktop's switch says now or later.
void ToolkitBridge::prepareEnvironment()
{
    const char* const variable = "QT_LINUX_ACCESSIBILITY_ALWAYS_ON";
    const QByteArray value = qgetenv(variable).trimmed().toLower();
    switchedOff = qEnvironmentVariableIsSet(variable) &&
                  (value.isEmpty() || value == "0" || value == "false" || value == "no" || value == "off");
    if (switchedOff) {
        setForBridge(variable, std::nullopt);
        setForBridge("AT_SPI_BUS_ADDRESS", QByteArray("disabled:"));
    }
}

namespace {

QtMessageHandler standardMessages = nullptr;

// A screen reader goes on asking about the objects of a box for a moment after the box has closed and is
// gone: Orca 48 and 51 keep the closed box as their active window and its field as their focus until the
// next focus event, and look again at each event in between (their focus_manager and ax_object: "has broken
// ancestry"). Qt's bridge warns for each such question (Qt 6.4 in other words, and several times), thousands
// of lines in a game; those alone are left out of the game's standard error.
void withoutQuestionsAboutClosedBoxes(QtMsgType type, const QMessageLogContext& context,
                                      const QString& message)
{
    if (context.category != nullptr && qstrcmp(context.category, "qt.accessibility.atspi") == 0 &&
        (message.startsWith(u"Could not find accessible on path") ||
         message.startsWith(u"No accessible object found for id")))
        return;
    standardMessages(type, context, message);
}

// Whether the desktop runs an accessibility bus (asked of the session bus, which would start one on a plain
// question for its address) whose registry answers: nothing when there is no bus.
std::optional<bool> registryAnswers()
{
    const QDBusConnection session = QDBusConnection::sessionBus();
    const QString launcher = QStringLiteral("org.a11y.Bus");
    if (!session.isConnected() ||
        !ToolkitBridge::ask(session, QStringLiteral("org.freedesktop.DBus"),
                            QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
                            QStringLiteral("NameHasOwner"), {launcher})
             .toBool())
        return std::nullopt;
    const QString address = ToolkitBridge::ask(session, launcher, QStringLiteral("/org/a11y/bus"), launcher,
                                               QStringLiteral("GetAddress"))
                                .toString();
    if (address.isEmpty())
        return std::nullopt;
    const QString probe = QStringLiteral("brindlow-registry-probe");
    bool answers = false;
    {
        const QDBusConnection bus = QDBusConnection::connectToBus(address, probe);
        answers = bus.isConnected() &&
                  ToolkitBridge::ask(bus, QStringLiteral("org.a11y.atspi.Registry"),
                                     QStringLiteral("/org/a11y/atspi/registry"),
                                     QStringLiteral("org.freedesktop.DBus.Peer"), QStringLiteral("Ping"))
                      .isValid();
    }
    QDBusConnection::disconnectFromBus(probe);
    return answers;
}

} // namespace

// Qt's bridge starts now, and not at the first question some widget asks of it. A registry that does not
// answer would hold the start-up for as long as Qt's own calls to it wait (25 s each): the game then stays
// off the bus, as it does without one. Before Qt 6.8, the game asks Qt to join a bus whose registry answers
// (Qt's own variable, when the player has not set it), so that a screen reader started later finds the game.
void ToolkitBridge::start()
{
    const bool playerChose = switchedOff || qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") ||
                             !qEnvironmentVariableIsEmpty("AT_SPI_BUS_ADDRESS");
    if (!playerChose) {
        const std::optional<bool> answers = registryAnswers();
        if (answers == false)
            setForBridge("AT_SPI_BUS_ADDRESS", QByteArray("disabled:"));
        else if (answers == true && !followsTheSwitch)
            setForBridge("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", QByteArray("1"));
    }
    standardMessages = qInstallMessageHandler(withoutQuestionsAboutClosedBoxes);
    QAccessible::isActive();
}

QVariant ToolkitBridge::ask(const QDBusConnection& bus, const QString& service, const QString& path,
                            const QString& interface, const QString& method, const QVariantList& arguments)
{
    constexpr int AnswerMs = 80;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    const QDBusMessage answer = bus.call(call, QDBus::Block, AnswerMs);
    return answer.type() == QDBusMessage::ReplyMessage ? answer.arguments().value(0, true) : QVariant();
}
