// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when.
#include "access/Assistive.h"
#include "access/BoardSpeech.h"
#include "access/Listeners.h"
#include "access/ToolkitBridge.h"
#include "game/frmBrindlow.h"

#include <QAccessible>
#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QLineF>
#include <QMouseEvent>
#include <QTimer>
#include <QWidget>

namespace {

// A box that opens within milliseconds of what a screen reader is still dealing with (the press that opened
// it, the news of where the checker landed, the box of the same handler closed just before) is taken by Orca
// for the window it already knew, and it reads only the box's button. So, while a screen reader listens, such
// a box opens this much later.
constexpr int SettleMs = 300;

// A screen reader whose click on a cell seems to it not to have moved the pointer clicks the cell's middle
// again and then falls back on the cell's action, all for one key, and seconds later when the desktop is slow.
constexpr qint64 SameCommandMs = 2000;

bool isOff(const QByteArray& value)
{
    const QByteArray word = value.trimmed().toLower();
    return word.isEmpty() || word == "0" || word == "false" || word == "no" || word == "off";
}

} // namespace

// Qt joins the accessibility bus whenever its variable is set, whatever its value; a player who sets it to 0
// means the opposite.
void Assistive::prepareEnvironment()
{
    if (qEnvironmentVariableIsSet("QT_LINUX_ACCESSIBILITY_ALWAYS_ON") &&
        isOff(qgetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON")))
        qunsetenv("QT_LINUX_ACCESSIBILITY_ALWAYS_ON");
}

void Assistive::start()
{
    ToolkitBridge::start();
    Listeners::instance();
}

Assistive::Assistive(QWidget* board, BoardSight& sight)
    : QObject(board), board(board), sight(sight), bridge(std::make_unique<ToolkitBridge>(board))
{
    BoardAccessible::serve(board, this);
    board->installEventFilter(this);
}

Assistive::~Assistive() = default;

const frmBrindlow& Assistive::form() const
{
    return sight.brindlow();
}

QRect Assistive::cellOnScreen(int cell) const
{
    const QRect circle = sight.circle(cell).toRect();
    return QRect(board->mapToGlobal(circle.topLeft()), circle.size());
}

int Assistive::extraChildCount() const
{
    return bridge->childCount();
}

QAccessibleInterface* Assistive::extraChild(int index) const
{
    return bridge->child(index);
}

bool Assistive::listening() const
{
    return Listeners::instance().any();
}

void Assistive::say(const QString& news)
{
    if (news.isEmpty())
        return;
    if (tell)
        tell(news);
    else if (listening())
        bridge->say(news);
}

void Assistive::cellShown(int cell)
{
    const bool empty = form().Shape1[cell].FillColor == frmBrindlow::EmptyColor;
    if (empty) {
        newGame = true;
    } else {
        landed = cell;
        current = cell;
    }
    if (!listening())
        return;
    // The current cell is read afresh as it takes the focus. A screen reader presents a new name of the
    // focused object as news of its own, and Orca 43 fails on the one Qt 6.4 sends, so it is told of no other.
    if (cell == current) {
        if (board->hasFocus())
            focusCurrentCell();
    } else if (QAccessibleInterface* shown = BoardAccessible::cell(board, cell)) {
        QAccessibleEvent renamed(shown, QAccessible::NameChanged);
        QAccessible::updateAccessibility(&renamed);
    }
}

void Assistive::statusLine(const QString& shown)
{
    caption = shown;
}

// Where the checker landed and whose turn it is now, or that the column is full. A press that opened a box
// told the landing alone before it; the box says what comes next, and the turn is told once the board has
// the keyboard again.
void Assistive::pressed(int column)
{
    if (!landingTold) {
        const QString news = BoardSpeech::pressNews(form(), landed, column, caption);
        if (!news.isEmpty()) {
            say(news);
            toldCaption = caption;
            newGame = false;
        }
    }
    landed = -1;
    landingTold = false;
}

void Assistive::boxOpening(QWidget* box, const QString& text)
{
    const bool followsBox = boxJustClosed;
    boxJustClosed = false;
    bool told = false;
    if (landed >= 0 && !landingTold) {
        say(BoardSpeech::pressNews(form(), landed, frmBrindlow::NoColumn, QString()));
        landingTold = told = true;
    }
    if (box != nullptr)
        ToolkitBridge::describeBox(*box, text);
    if (listening() && (told || followsBox || QGuiApplication::mouseButtons() != Qt::NoButton))
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
    if (QAccessibleInterface* cell = BoardAccessible::cell(board, current)) {
        QAccessibleEvent focused(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

// Once Qt has told of the board's own focus: the current cell has it, and a new game's turn, or a turn that
// changed while a box was open, is told. Not while the next box of the same handler is about to open (the
// window manager may hand the window the keyboard between two boxes): that box comes first.
void Assistive::boardHasKeyboard()
{
    if (!board->hasFocus() || waiting || QApplication::activeModalWidget() != nullptr)
        return;
    if (listening())
        focusCurrentCell();
    if (!tell && !listening())
        return;
    if (newGame || caption != toldCaption) {
        say(caption);
        toldCaption = caption;
        newGame = false;
    }
}

bool Assistive::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == board) {
        if (event->type() == QEvent::MouseButtonPress) {
            lastMousePress.start();
            lastMousePosition = static_cast<QMouseEvent*>(event)->position();
        } else if (event->type() == QEvent::FocusIn) {
            QTimer::singleShot(0, this, &Assistive::boardHasKeyboard);
        }
    }
    return false;
}

// A press of a cell by its action is a move in its column, made once the command has been answered (a box it
// opens must not hold the reply back), and one press at a time: none while a box is open or about to open.
// The action on a cell whose middle the mouse pressed a moment ago is the fallback of that same click.
void Assistive::pressCell(int cell)
{
    if (lastMousePress.isValid() && lastMousePress.elapsed() < SameCommandMs &&
        QLineF(lastMousePosition, sight.circle(cell).center()).length() <= 1.5)
        return;
    QMetaObject::invokeMethod(
        this,
        [this, cell] {
            if (!waiting && QApplication::activeModalWidget() == nullptr)
                sight.pressCell(cell);
        },
        Qt::QueuedConnection);
}
