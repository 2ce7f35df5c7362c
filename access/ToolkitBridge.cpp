// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// Joining the accessibility bus, and the one door to the desktop's buses.
#include "access/ToolkitBridge.h"

#include <QDBusConnection>
#include <QDBusMessage>

namespace {

bool switchedOff = false;

} // namespace

// Qt joins the accessibility bus whenever its variable is set, whatever its value; a player who sets it to 0
// means the opposite: not always on, so the game joins only as the desktop's own switch says.
void ToolkitBridge::prepareEnvironment()
{
    const QByteArray value = qgetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON").trimmed().toLower();
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") &&
        (value.isEmpty() || value == "0" || value == "false" || value == "no" || value == "off")) {
        switchedOff = true;
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    }
}

// Qt's bridge starts now, with the switch as set, and not at the first question some widget asks of it.
void ToolkitBridge::start()
{
    if (!switchedOff)
        joinForLateReader();
    QAccessible::isActive();
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
