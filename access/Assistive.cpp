// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when.
#include "access/Assistive.h"
#include "access/BoardAccessible.h"
#include "access/ToolkitBridge.h"
#include "game/frmBrindlow.h"

#include <QAccessible>
#include <QApplication>
#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace {

// A box that opens within milliseconds of what a screen reader is still dealing with (the focus moved onto
// the landing that opened it, the box of the same handler closed just before) is taken by Orca for the window
// it already knew: it reads only the box's button, or the landing is never told. So, while a screen reader
// listens, such a box opens this much later.
constexpr int SettleMs = 300;
// How long a box may wait for the accessibility registry to say whether anyone listens.
constexpr int RegistryMs = 80;

// Whether some assistive client has registered a listener with the accessibility registry, asked on Qt's own
// connection to the accessibility bus. A registry that does not answer in time counts as nobody.
bool someoneListens()
{
    const QDBusConnection bus(QStringLiteral("a11y"));
    if (!QAccessible::isActive() || !bus.isConnected())
        return false;
    const QString registry = QStringLiteral("org.a11y.atspi.Registry");
    const QDBusMessage reply =
        bus.call(QDBusMessage::createMethodCall(registry, QStringLiteral("/org/a11y/atspi/registry"),
                                                registry, QStringLiteral("GetRegisteredEvents")),
                 QDBus::Block, RegistryMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QDBusArgument events = reply.arguments().constFirst().value<QDBusArgument>();
    events.beginArray();
    const bool some = !events.atEnd();
    events.endArray();
    return some;
}

bool switchedOff = false;

} // namespace

// Qt joins the accessibility bus whenever its variable is set, whatever its value; a player who sets it to 0
// means the opposite: not always on, so the game joins only as the desktop's own switch says.
void Assistive::prepareEnvironment()
{
    const QByteArray value = qgetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON").trimmed().toLower();
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") &&
        (value.isEmpty() || value == "0" || value == "false" || value == "no" || value == "off")) {
        switchedOff = true;
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    }
}

// Qt's bridge starts now, with the switch as set, and not at the first question some widget asks of it.
void Assistive::start()
{
    if (!switchedOff)
        ToolkitBridge::start();
    QAccessible::isActive();
}

Assistive::Assistive(QWidget* board, const frmBrindlow& form, std::function<QRectF(int)> circle,
                     std::function<void(QPointF)> press)
    : QObject(board), form(form), board(board), circle(circle), press(std::move(press)),
      orca(this, circle, [this](int cell) { focusLanding(cell); })
{
    BoardAccessible::serve(this);
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == this->board) // once Qt has told of the board's own focus
            QTimer::singleShot(0, this, &Assistive::boardHasKeyboard);
    });
}

QRect Assistive::cellOnScreen(int cell) const
{
    const QRect shown = circle(cell).toRect();
    return QRect(board->mapToGlobal(shown.topLeft()), shown.size());
}

void Assistive::say(const QString& news)
{
    if (news.isEmpty())
        return;
    if (tell)
        tell(news);
    else
        ToolkitBridge::say(board, news);
}

// A cell shown anew tells of its new name. The cell a checker landed in then becomes current and takes the
// focus: a screen reader names it, which is the news of where the checker landed, and starts its review of
// the board afresh from it. The name goes first, so that a screen reader that takes the focus finds the name
// it knows. (Qt tells a screen reader only of what it has asked to hear, and nothing while none listens.)
void Assistive::cellShown(int cell)
{
    QAccessibleEvent renamed(BoardAccessible::cell(board, cell), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (form.Shape1[cell].FillColor != frmBrindlow::EmptyColor) {
        landed = cell;
        orca.landed(cell);
    }
}

void Assistive::focusLanding(int cell)
{
    current = cell;
    if (board->hasFocus())
        focusCurrent();
    say(std::exchange(afterLanding, {}));
}

// A move was told by its landing; whose turn it is now follows. A press that opened a box has told nothing
// more: the box says what comes next, and the turn is told once the board has the keyboard again.
void Assistive::pressed(int column)
{
    if (!boxTold && column >= 0 && column < frmBrindlow::Columns) {
        afterLanding = landed >= 0 ? turn : QStringLiteral("Column %1 is full. %2").arg(column + 1).arg(turn);
        if (!orca.waiting())
            say(std::exchange(afterLanding, {}));
    }
    orca.pressHandled();
    landed = -1;
    boxTold = false;
}

bool Assistive::mousePressed(QPointF at)
{
    return orca.mouse(at);
}

// A press of a cell by its action is a move in its column, made once the command has been answered (a box it
// opens must not hold the reply back), and one press at a time: none while a box is open or about to open.
void Assistive::pressCell(int cell)
{
    if (!orca.action(cell))
        return;
    QMetaObject::invokeMethod(
        this,
        [this, cell] {
            if (!waiting && QApplication::activeModalWidget() == nullptr)
                press(circle(cell).center());
        },
        Qt::QueuedConnection);
}

// The landing is told before the box opens; meanwhile the board is painted and input waits.
void Assistive::boxOpening(QWidget* box, const QString& text)
{
    orca.now();
    const bool settles = landed >= 0 || boxJustClosed;
    boxJustClosed = false;
    boxTold = boxTold || landed >= 0;
    if (box != nullptr)
        ToolkitBridge::describeBox(*box, text);
    if (settles && someoneListens()) {
        waiting = true;
        QEventLoop wait;
        QTimer::singleShot(SettleMs, &wait, &QEventLoop::quit);
        wait.exec(QEventLoop::ExcludeUserInputEvents);
        waiting = false;
    }
}

// A box that opens before the event loop has run again belongs to the same handler as the one just closed.
void Assistive::boxClosed()
{
    boxJustClosed = true;
    QTimer::singleShot(0, this, [this] { boxJustClosed = false; });
}

// The board has the keyboard: at start-up, after every box, back from another window. Its current cell has
// the focus, and whose turn it is is told. Not while the next box of the same handler is about to open (the
// window manager may hand the window the keyboard between two boxes): that box comes first.
void Assistive::boardHasKeyboard()
{
    if (!board->hasFocus() || waiting || QApplication::activeModalWidget() != nullptr)
        return;
    focusCurrent();
    say(turn);
}

void Assistive::focusCurrent()
{
    QAccessibleEvent focused(BoardAccessible::cell(board, current), QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}
