// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when.
#include "access/Assistive.h"
#include "access/BoardAccessible.h"
#include "access/ToolkitBridge.h"
#include "access/Words.h"
#include "game/frmBrindlow.h"

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

namespace {

bool switchedOff = false;

std::unique_ptr<ReaderWorkarounds>& workarounds()
{
    static std::unique_ptr<ReaderWorkarounds> inUse = std::make_unique<ReaderWorkarounds>();
    return inUse;
}

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

void Assistive::use(std::unique_ptr<ReaderWorkarounds> inUse)
{
    workarounds() = std::move(inUse);
}

Assistive::Assistive(QWidget* board, const frmBrindlow& form, std::function<QRectF(int)> circle)
    : QObject(board), view(board), brindlow(form), circle(std::move(circle))
{
    BoardAccessible::serve(this);
    board->setAccessibleName(Words::boardName());
    board->setAccessibleDescription(Words::boardDescription());
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
        if (now == view) // once Qt has told of the board's own focus
            QMetaObject::invokeMethod(this, &Assistive::boardHasKeyboard, Qt::QueuedConnection);
    });
}

QRect Assistive::cellOnScreen(int cell) const
{
    const QRect shown = circle(cell).toRect();
    return QRect(view->mapToGlobal(shown.topLeft()), shown.size());
}

int Assistive::cellAt(QPointF at) const
{
    for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        if (circle(cell).contains(at))
            return cell;
    }
    return -1;
}

// News is spoken where the screen reader speaks what it is told (Qt tells it only of what it asked to hear,
// and nothing while none listens).
void Assistive::say(const QString& news)
{
    if (!news.isEmpty())
        ToolkitBridge::say(view, news);
}

// A cell shown anew tells of its new name. The cell a checker landed in then becomes current and takes the
// focus at once: a screen reader names it, which is the news of where the checker landed, and starts its
// review of the board afresh from it. The name goes first, so that a screen reader that already holds the
// cell as its focus speaks the new name, and one that takes the focus finds the name it knows.
void Assistive::cellShown(int cell)
{
    QAccessibleEvent renamed(BoardAccessible::cell(view, cell), QAccessible::NameChanged);
    QAccessible::updateAccessibility(&renamed);
    if (brindlow.Shape1[cell].FillColor == frmBrindlow::EmptyColor)
        return;
    landed = cell;
    landingWaits = !workarounds()->landed(cell, [this, cell] { focusLanding(cell); });
    if (!landingWaits)
        focusLanding(cell);
}

void Assistive::focusLanding(int cell)
{
    current = cell;
    landingWaits = false;
    if (view->hasFocus())
        focusCurrent();
    say(std::exchange(afterLanding, {}));
}

bool Assistive::admits(QPointF at, bool fromDesktop)
{
    if (boxOpen)
        return false;
    const int cell = cellAt(at);
    return !fromDesktop || cell < 0 || workarounds()->admits(cell, at - circle(cell).center());
}

// A move was told by its landing; whose turn it is now follows. A press that opened a box has told nothing
// more: the box says what comes next, and the turn is told once the board has the keyboard again.
void Assistive::pressed(int column)
{
    if (!boxTold && column >= 0 && column < frmBrindlow::Columns) {
        afterLanding = (landed >= 0 ? QString() : Words::columnFull(column)) + brindlow.lblturn.Caption;
        if (!landingWaits)
            say(std::exchange(afterLanding, {}));
    }
    landed = -1;
    boxTold = false;
}

// The press is posted, so that the command is answered before the move is made (a box it opens must not
// hold the reply back), and it is asked about again as it arrives: a box may have opened meanwhile.
void Assistive::pressCell(int cell)
{
    if (boxOpen || QApplication::activeModalWidget() != nullptr || !workarounds()->admits(cell, std::nullopt))
        return;
    const QPointF at = circle(cell).center();
    QCoreApplication::postEvent(view, new QMouseEvent(QEvent::MouseButtonPress, at, view->mapToGlobal(at),
                                                      Qt::LeftButton, Qt::LeftButton, Qt::NoModifier));
}

// The landing has been told before the box opens; a box that follows news at once may have to wait for the
// screen reader in use.
void Assistive::looked(int cell, bool state)
{
    workarounds()->looked(cell, state);
}

void Assistive::boxOpening(QWidget* box, const QString& text)
{
    boxOpen = true;
    const bool soon = landed >= 0 || boxJustClosed;
    boxJustClosed = false;
    boxTold = boxTold || landed >= 0;
    if (box != nullptr)
        ToolkitBridge::describeBox(*box, text);
    workarounds()->boxOpening(soon);
}

void Assistive::boxClosed()
{
    boxOpen = false;
    boxJustClosed = true;
    const auto commandDone = [this] { boxJustClosed = false; };
    QMetaObject::invokeMethod(this, commandDone, Qt::QueuedConnection);
}

// The board has the keyboard: at start-up, after every box, back from another window. Its current cell has
// the focus, and whose turn it is is told. Not while the next box of the same command is about to open (the
// window manager may hand the window the keyboard between two boxes): that box comes first.
void Assistive::boardHasKeyboard()
{
    if (!view->hasFocus() || boxOpen || QApplication::activeModalWidget() != nullptr)
        return;
    focusCurrent();
    say(brindlow.lblturn.Caption);
}

void Assistive::focusCurrent()
{
    QAccessibleEvent focused(BoardAccessible::cell(view, current), QAccessible::Focus);
    QAccessible::updateAccessibility(&focused);
}
