// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The one door to the desktop's buses.
#include "access/ToolkitBridge.h"

#include <QDBusConnection>
#include <QDBusMessage>

QVariant ToolkitBridge::ask(const QDBusConnection& bus, const QString& service, const QString& path,
                            const QString& interface, const QString& method, const QVariantList& arguments)
{
    constexpr int AnswerMs = 100;
    QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
    call.setArguments(arguments);
    const QDBusMessage answer = bus.call(call, QDBus::Block, AnswerMs);
    return answer.type() == QDBusMessage::ReplyMessage ? answer.arguments().value(0, true) : QVariant();
}
