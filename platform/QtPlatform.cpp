// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's boxes and program end on Qt Widgets.
#include "platform/QtPlatform.h"
#include "platform/WindowFrame.h"

#include <QApplication>
#include <QEvent>
#include <QFontMetrics>
#include <QGridLayout>
#include <QInputDialog>
#include <QLayout>
#include <QMessageBox>
#include <QPushButton>
#include <QSpacerItem>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

QtPlatform::QtPlatform()
{
    // A request to quit (the desktop session ending, for one) closes any open box; the name prompts must
    // then end the program instead of asking again.
    qApp->installEventFilter(this);
}

void QtPlatform::attach(QWidget* parentWindow,
                        std::function<void(QWidget& box, const QString& text)> beforeBox,
                        std::function<void()> boxClosed)
{
    window = parentWindow;
    opening = std::move(beforeBox);
    afterBox = std::move(boxClosed);
}

bool QtPlatform::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == qApp && event->type() == QEvent::Quit)
        quitRequested = true;
    return false;
}

namespace {

// Line breaks for a box: the game writes CR LF, Qt breaks on LF.
QString boxText(const QString& prompt)
{
    QString text = prompt;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text;
}

// Room a usual title bar takes besides its title: the window's icon and up to three buttons on one side, and
// as much on the other, since most window managers centre the title.
constexpr int TitleBarAllowance = 200;

int titleBarWidth(const QString& title)
{
    QFont font = QApplication::font();
    font.setBold(true); // title bars mostly show the title in bold
    return QFontMetrics(font).horizontalAdvance(title) + TitleBarAllowance;
}

// A box sizes itself to its contents and leaves too little room for a short text's title ("Winner" would show
// as "W..."); its layouts override a minimum width, so a spacer across the box widens it.
void widenForTitle(QDialog& box)
{
    (void)box.sizeHint(); // an input dialog builds its layout only when it is first measured
    auto* spacer = new QSpacerItem(titleBarWidth(box.windowTitle()), 0, QSizePolicy::Minimum);
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
        grid->addItem(spacer, grid->rowCount(), 0, 1, grid->columnCount());
    else if (box.layout() != nullptr)
        box.layout()->addItem(spacer);
    else
        delete spacer;
}

} // namespace

// Once the window is on screen every box belongs to it: modal to it and centred on it. Before that (the
// start-up prompts) a box stands on its own, centred on the screen, since an unmapped window is no parent a
// window manager can place a box over.
QWidget* QtPlatform::boxParent() const
{
    return window != nullptr && window->isVisible() ? window : nullptr;
}

void QtPlatform::opened(QWidget& box, const QString& text)
{
    focusPending = false;
    if (opening)
        opening(box, text);
}

// Without a window manager nobody hands the keyboard back to the window when a box closes, and its
// shortcuts would stay dead until the next click. It is handed back once the handler is done: a box that
// follows at once (the New Game question after the tie) takes it instead, and a screen reader hears no window
// come and go between the two.
void QtPlatform::closed()
{
    focusPending = true;
    QTimer::singleShot(0, this, [this] {
        if (focusPending && window != nullptr && window->isVisible())
            window->activateWindow();
        focusPending = false;
    });
    if (afterBox)
        afterBox();
}

qint32 QtPlatform::messageBox(const QString& prompt, qint32 buttons, const QString& title)
{
    QMessageBox box(boxParent());
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // a name such as "<b>x</b>" is shown as typed
    box.setText(boxText(prompt));
    QPushButton* yes = nullptr;
    if (buttons == ButtonsYesNo) {
        yes = box.addButton(QMessageBox::Yes);
        box.setDefaultButton(yes);
        box.setEscapeButton(box.addButton(QMessageBox::No)); // Escape and the close box answer No
    } else {
        box.setIcon(buttons == ButtonsOkInformation ? QMessageBox::Information : QMessageBox::NoIcon);
        box.setStandardButtons(QMessageBox::Ok);
    }
    widenForTitle(box); // last: setting the icon lays the box out anew
    offerNoResize(&box);
    opened(box, boxText(prompt));
    box.exec();
    closed();
    if (buttons != ButtonsYesNo)
        return 1;
    return box.clickedButton() == yes ? AnswerYes : AnswerNo;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title)
{
    if (quitRequested)
        endProgram();
    QInputDialog dialog(boxParent());
    if (dialog.parentWidget() == nullptr && window != nullptr) {
        // A window of its own, not a dialog of a window that isn't there yet: a parentless dialog would name
        // the unmapped client leader as the window it belongs to.
        dialog.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                              Qt::WindowCloseButtonHint);
        dialog.setWindowIcon(window->windowIcon());
    }
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    widenForTitle(dialog);
    dialog.layout()->setSizeConstraint(QLayout::SetFixedSize); // one line to type: nothing to resize
    offerNoResize(&dialog);
    opened(dialog, prompt);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    closed();
    if (quitRequested)
        endProgram();
    return accepted ? dialog.textValue() : QString();
}

void QtPlatform::endProgram()
{
    // At once: no window event, destructor or handler runs after this.
    std::fflush(nullptr);
    std::_Exit(EXIT_SUCCESS);
}
