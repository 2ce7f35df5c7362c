// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What Orca 43 needs beyond what every screen reader reads (see Orca43.h).
#include "access/Orca43.h"
#include "access/ToolkitBridge.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QEventLoop>
#include <QLineF>
#include <QTimer>

namespace {

// All of one command follows one key, but a busy desktop may hold one half back for a second or more.
constexpr qint64 SameCommandMs = 2000;
// Orca 43's review clicks a pixel left of the middle of a cell's extents and its fallback the middle itself,
// both rounded down to whole pixels: up to 1.6 px from the circle's centre.
constexpr qreal MiddleTolerance = 2.5;
// Orca 43 clicks again at once; a player who stacks on the checker just landed has heard it land first.
constexpr qint64 HeardMs = 400;
// How long a landing's focus waits for Orca 43 to look under its click.
constexpr int LookMs = 250;
// How long a box that follows news waits for Orca 43 to have dealt with it.
constexpr int SettleMs = 300;

// Whether some assistive client has registered a listener with the accessibility registry, asked on Qt's own
// connection to the accessibility bus. A registry that does not answer counts as nobody.
bool someoneListens()
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!bus.isConnected())
        return false;
    const QString registry = QStringLiteral("org.a11y.atspi.Registry");
    const QVariant events = ToolkitBridge::ask(bus, registry, QStringLiteral("/org/a11y/atspi/registry"),
                                               registry, QStringLiteral("GetRegisteredEvents"));
    if (!events.canConvert<QDBusArgument>())
        return false;
    const QDBusArgument list = events.value<QDBusArgument>();
    list.beginArray();
    const bool some = !list.atEnd();
    list.endArray();
    return some;
}

} // namespace

Orca43::Orca43(std::function<qint64()> clock) : clock(std::move(clock))
{
    timer.setSingleShot(true);
    QObject::connect(&timer, &QTimer::timeout, [this] { release(); });
}

// One command presses one cell two or three times, in any order: by the mouse (twice, at points a pixel
// apart) and by its action. A hand that clicks twice without moving clicks the same point: two moves. And a
// click on the cell just landed in, once the landing has been heard, is the player's next command: stacking.
bool Orca43::admits(int cell, std::optional<QPointF> fromCentre)
{
    const qint64 now = clock();
    const bool action = !fromCentre.has_value();
    pointerCell = action ? -1 : cell;
    seen = read = false;
    if (!action && QLineF(QPointF(), *fromCentre).length() > MiddleTolerance) {
        pressedCell = -1; // no screen reader's click
        return true;
    }
    const bool heard = landedAt >= 0 && now - landedAt >= HeardMs;
    const bool echo = cell == pressedCell && now - pressedAt < SameCommandMs &&
                      (byAction != action || (!action && *fromCentre != pressedPoint && !heard));
    if (!echo) {
        pressedCell = cell;
        byAction = action;
        pressedPoint = fromCentre.value_or(QPointF());
        pressedAt = now;
        landedAt = -1;
    }
    return !echo;
}

bool Orca43::landed(int cell, std::function<void()> focus)
{
    release();
    landedAt = cell == pressedCell ? clock() : -1;
    if (cell != pointerCell || read)
        return true;
    waitingFocus = std::move(focus);
    timer.start(LookMs);
    return false;
}

// Orca asks for the cell under its click and then reads its state, unless its own cache answers: a second
// look under the same click is its next mouse event, so the first is dealt with too. The focus moves then.
void Orca43::looked(int cell, bool state)
{
    if (cell != pointerCell)
        return;
    read = read || seen;
    seen = seen || !state;
    const auto answered = [this] { release(); };
    if (read && waitingFocus)
        QMetaObject::invokeMethod(&timer, answered, Qt::QueuedConnection);
}

void Orca43::release()
{
    timer.stop();
    if (const std::function<void()> focus = std::exchange(waitingFocus, {}))
        focus();
}

void Orca43::boxOpening(bool soon)
{
    release();
    if (!soon || !someoneListens())
        return;
    QEventLoop wait;
    QTimer::singleShot(SettleMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}
