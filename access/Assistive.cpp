// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when.
#include "access/Assistive.h"
#include "access/BoardAccessible.h"
#include "access/BoardSpeech.h"
#include "access/Listeners.h"
#include "access/ToolkitBridge.h"
#include "game/frmBrindlow.h"

#include <QAccessible>
#include <QApplication>
#include <QEventLoop>
#include <QTimer>
#include <QWidget>

namespace {

// A box that opens within milliseconds of what a screen reader is still dealing with (the focus moved onto
// the landing that opened it, the box of the same handler closed just before) is taken by Orca for the window
// it already knew, and it reads only the box's button, or the landing is never told. So, while a screen
// reader listens, such a box opens this much later.
constexpr int SettleMs = 300;

bool isOff(const QByteArray& value)
{
    const QByteArray word = value.trimmed().toLower();
    return word.isEmpty() || word == "0" || word == "false" || word == "no" || word == "off";
}

// Whether the player has said with Qt's own switch that the game is not to join the accessibility bus by
// itself.
bool switchedOff = false;

} // namespace

// Qt joins the accessibility bus whenever its variable is set, whatever its value; a player who sets it to 0
// means the opposite: not always on, so the game joins only as the desktop's own switch says.
void Assistive::prepareEnvironment()
{
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") &&
        isOff(qgetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON"))) {
        switchedOff = true;
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
    }
}

void Assistive::start()
{
    if (!switchedOff)
        ToolkitBridge::start();
    Listeners::instance();
    // Qt's bridge to assistive technology starts now, with the switch as set above, and not at the first
    // question some widget asks of it.
    QAccessible::isActive();
}

Assistive::Assistive(QWidget* board, const frmBrindlow& form, std::function<QRectF(int)> circle,
                     std::function<void(QPointF)> press)
    : QObject(board), form(form), board(board), circle(std::move(circle)), press(std::move(press)),
      focusUnderClick(this, [this] { focusLanding(); })
{
    BoardAccessible::serve(this);
    // Once Qt has told of the board's own focus, the current cell is told to have it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == this->board)
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
    if (form.Shape1[cell].FillColor == frmBrindlow::EmptyColor)
        return;
    focusUnderClick.now();
    landed = landing = cell;
    if (cell == pointerCell)
        focusUnderClick.wait();
    else
        focusLanding();
}

void Assistive::focusLanding()
{
    current = landing;
    if (board->hasFocus())
        focusCurrentCell();
    say(afterLanding);
    afterLanding.clear();
}

// A move was told by its landing; whose turn it is now follows. A press that opened a box has told nothing
// more: the box says what comes next, and the turn is told once the board has the keyboard again.
void Assistive::pressed(int column)
{
    if (!boxTold && column >= 0 && column < frmBrindlow::Columns) {
        const QString news = landed >= 0 ? turn : BoardSpeech::columnFull(column) + u' ' + turn;
        if (focusUnderClick.waiting())
            afterLanding = news;
        else
            say(news);
    }
    landed = pointerCell = -1;
    boxTold = false;
}

bool Assistive::mousePressed(QPointF at)
{
    pointerCell = -1;
    for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        if (circle(cell).contains(at))
            pointerCell = cell;
    }
    return !doubted.mouse(at, circle);
}

void Assistive::lookedAt(int cell)
{
    if (cell == landing && focusUnderClick.waiting())
        focusUnderClick.looked();
}

// A press of a cell by its action is a move in its column, made once the command has been answered (a box it
// opens must not hold the reply back), and one press at a time: none while a box is open or about to open.
void Assistive::pressCell(int cell)
{
    if (doubted.action(cell))
        return;
    QMetaObject::invokeMethod(
        this,
        [this, cell] {
            if (!waiting && QApplication::activeModalWidget() == nullptr)
                press(circle(cell).center());
        },
        Qt::QueuedConnection);
}

// The landing is told before the box opens.
void Assistive::boxOpening(QWidget* box, const QString& text)
{
    focusUnderClick.now();
    const bool settles = landed >= 0 || boxJustClosed;
    boxJustClosed = false;
    boxTold = boxTold || landed >= 0;
    if (box != nullptr)
        ToolkitBridge::describeBox(*box, text);
    if (settles && Listeners::instance().any())
        settle();
}

// A box that opens before the event loop has run again belongs to the same handler as the one just closed.
void Assistive::boxClosed()
{
    boxJustClosed = true;
    QTimer::singleShot(0, this, [this] { boxJustClosed = false; });
}

// Meanwhile the board is painted and input waits.
void Assistive::settle()
{
    waiting = true;
    QEventLoop wait;
    QTimer::singleShot(SettleMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
    waiting = false;
}

void Assistive::focusCurrentCell()
{
    QAccessibleEvent focused(BoardAccessible::cell(board, current), QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}

// The board has the keyboard: at start-up, after every box, back from another window. Its current cell has
// the focus, and whose turn it is is told. Not while the next box of the same handler is about to open (the
// window manager may hand the window the keyboard between two boxes): that box comes first.
void Assistive::boardHasKeyboard()
{
    if (!board->hasFocus() || waiting || QApplication::activeModalWidget() != nullptr)
        return;
    focusCurrentCell();
    say(turn);
}
