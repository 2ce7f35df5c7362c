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

// How far apart a screen reader's click on a cell and its action on the same cell may come and still be one
// command: all of it follows one key, but a busy desktop may hold one of them back for a second or more.
constexpr qint64 SameCommandMs = 2000;

// A screen reader clicks the very middle of a cell (rounded to whole pixels); a hand hardly ever does.
constexpr qreal MiddleTolerance = 1.5;

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

// A cell shown anew tells of its new name. The cell a checker landed in then becomes current and takes the
// focus, so that a screen reader leaves its review of the board as it was. When the mouse pressed that very
// cell, the one above it (below it, at the top) becomes current instead: the focus must move away from what
// the pointer is on, or a screen reader that has just seen the click there takes the focus as not moved.
void Assistive::cellShown(int cell)
{
    const bool empty = form().Shape1[cell].FillColor == frmBrindlow::EmptyColor;
    if (empty)
        newGame = true;
    const bool heard = listening();
    if (heard) {
        if (QAccessibleInterface* shown = BoardAccessible::cell(board, cell)) {
            QAccessibleEvent renamed(shown, QAccessible::NameChanged);
            QAccessible::updateAccessibility(&renamed);
        }
    }
    if (!empty) {
        landed = cell;
        current = cell != pointerCell            ? cell
                  : cell >= frmBrindlow::Columns ? cell - frmBrindlow::Columns
                                                 : cell + frmBrindlow::Columns;
    }
    if (heard && (cell == current || !empty) && board->hasFocus())
        focusCurrentCell();
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
    pointerCell = -1;
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

// Whether a press of `cell` (by its action, or by the mouse on its middle) is the other half of the command
// whose first half came a moment ago; if it is not, it is the first half of a new one.
bool Assistive::isEcho(int cell, bool byAction)
{
    const bool echo = unanswered.cell == cell && unanswered.byAction != byAction && unanswered.at.isValid() &&
                      unanswered.at.elapsed() < SameCommandMs;
    if (echo) {
        unanswered = {};
    } else {
        unanswered.cell = cell;
        unanswered.byAction = byAction;
        unanswered.at.start();
    }
    return echo;
}

// A mouse press on the middle of a cell that a screen reader has just pressed by its action is its own click
// of the same command, and no move.
bool Assistive::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != board)
        return false;
    if (event->type() == QEvent::MouseButtonPress) {
        const QPointF at = static_cast<QMouseEvent*>(event)->position();
        pointerCell = -1;
        int middle = -1;
        for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
            const QRectF circle = sight.circle(cell);
            if (circle.contains(at))
                pointerCell = cell;
            if (QLineF(at, circle.center()).length() <= MiddleTolerance)
                middle = cell;
        }
        if (middle < 0)
            unanswered = {};
        else if (isEcho(middle, false)) {
            pointerCell = -1;
            return true;
        }
    } else if (event->type() == QEvent::FocusIn) {
        QTimer::singleShot(0, this, &Assistive::boardHasKeyboard);
    }
    return false;
}

// A press of a cell by its action is a move in its column, made once the command has been answered (a box it
// opens must not hold the reply back), and one press at a time: none while a box is open or about to open.
// The action on a cell whose middle the mouse pressed a moment ago is the fallback of that same click.
void Assistive::pressCell(int cell)
{
    if (isEcho(cell, true))
        return;
    QMetaObject::invokeMethod(
        this,
        [this, cell] {
            if (!waiting && QApplication::activeModalWidget() == nullptr)
                sight.pressCell(cell);
        },
        Qt::QueuedConnection);
}
