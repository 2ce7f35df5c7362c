// The game's boxes and program end on Qt Widgets.
#include "platform/QtPlatform.h"

#include <QApplication>
#include <QEvent>
#include <QEventLoop>
#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

#include <cstdio>
#include <cstdlib>

QtPlatform::QtPlatform()
{
    // A request to quit (the desktop session ending, for one) closes any open box; the name prompts must
    // then end the program instead of asking again.
    qApp->installEventFilter(this);
}

void QtPlatform::attach(QWidget* parentWindow, std::function<void()> beforeBox)
{
    window = parentWindow;
    beforeEachBox = std::move(beforeBox);
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

} // namespace

// Without a window manager nobody hands the keyboard back to the window when a box closes, and its
// shortcuts would stay dead until the next click.
void QtPlatform::giveBackFocus()
{
    if (window != nullptr && window->isVisible())
        window->activateWindow();
}

// A box opened by a press (the winner's, the tie's) would be active within milliseconds of the press, before
// a screen reader has dealt with the press itself; Orca then takes the box for the window it already knew and
// reads only its button. So such a box opens a moment later; meanwhile the board is painted and input waits.
void QtPlatform::letThePressBeHeard()
{
    if (QGuiApplication::mouseButtons() == Qt::NoButton)
        return;
    QEventLoop wait;
    QTimer::singleShot(PressSettleMs, &wait, &QEventLoop::quit);
    wait.exec(QEventLoop::ExcludeUserInputEvents);
}

qint32 QtPlatform::messageBox(const QString& prompt, qint32 buttons, const QString& title)
{
    if (beforeEachBox)
        beforeEachBox();
    letThePressBeHeard();
    QMessageBox box(window);
    box.setWindowTitle(title);
    box.setTextFormat(Qt::PlainText); // a name such as "<b>x</b>" is shown as typed
    box.setText(boxText(prompt));
    if (buttons == ButtonsYesNo) {
        QPushButton* yes = box.addButton(QMessageBox::Yes);
        QPushButton* no = box.addButton(QMessageBox::No);
        box.setDefaultButton(yes);
        box.setEscapeButton(no); // Escape and the close box answer No
        box.exec();
        giveBackFocus();
        return box.clickedButton() == yes ? AnswerYes : AnswerNo;
    }
    box.setIcon(buttons == ButtonsOkInformation ? QMessageBox::Information : QMessageBox::NoIcon);
    box.setStandardButtons(QMessageBox::Ok);
    box.exec();
    giveBackFocus();
    return 1;
}

QString QtPlatform::inputBox(const QString& prompt, const QString& title)
{
    if (beforeEachBox)
        beforeEachBox();
    if (quitRequested)
        endProgram();
    QInputDialog dialog(window);
    dialog.setWindowTitle(title);
    dialog.setInputMode(QInputDialog::TextInput);
    dialog.setLabelText(prompt);
    const bool accepted = dialog.exec() == QDialog::Accepted;
    giveBackFocus();
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
