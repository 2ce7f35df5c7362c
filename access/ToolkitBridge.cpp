// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Joining the accessibility bus, and the one door to the desktop's buses.
#include "access/ToolkitBridge.h"

#include <QDBusConnection>
#include <QDBusMessage>

#include <optional>
#include <utility>
#include <vector>

namespace {

bool switchedOff = false;

// What the player had set, put back once Qt's bridge has read the environment: nothing the game starts
// inherits the game's own settings.
std::vector<std::pair<const char*, std::optional<QByteArray>>> saved;

void setForBridge(const char* name, std::optional<QByteArray> value)
{
    saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? std::optional(qgetenv(name)) : std::nullopt);
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

// Qt's bridge starts now, with the switch as set, and not at the first question some widget asks of it.
void ToolkitBridge::start()
{
    if (!switchedOff && joinForLateReader())
        setForBridge("QT_LINUX_ACCESSIBILITY_ALWAYS_ON", QByteArray("1"));
    QAccessible::isActive();
    for (const auto& [name, value] : saved) {
        if (value)
            qputenv(name, *value);
        else
            qunsetenv(name);
    }
    saved.clear();
}

QVariant ToolkitBridge::ask(const QDBusConnection& bus, const QString& service, const QString& path,
                            const QString& interface, const QString& method, const QVariantList& arguments)
{
    constexpr int AnswerMs = 100;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    const QDBusMessage answer = bus.call(call, QDBus::Block, AnswerMs);
    return answer.type() == QDBusMessage::ReplyMessage ? answer.arguments().value(0, true) : QVariant();
}
