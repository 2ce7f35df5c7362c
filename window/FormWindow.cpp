// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one window on Qt Widgets: draws the form's controls and hands it presses and menu commands.
#include "window/FormWindow.h"
#include "platform/WindowFrame.h"

#include <QAction>
#include <QApplication>
#include <QFontMetricsF>
#include <QIcon>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QPainter>
#include <QScopedValueRollback>
#include <QScreen>

#include <algorithm>
#include <cmath>

QColor toQColor(quint32 colour)
{
    return QColor(int(colour & 0xFF), int((colour >> 8) & 0xFF), int((colour >> 16) & 0xFF));
}

namespace {

QRectF pixels(qint32 left, qint32 top, qint32 width, qint32 height)
{
    return QRectF(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel, height / TwipsPerPixel);
}

// A caption may hold a name's tabs or line breaks; the label shows them as blanks on its one line.
QString oneLine(const QString& caption)
{
    QString text = caption;
    for (QChar& c : text) {
        if (c.category() == QChar::Other_Control || c == QChar::LineSeparator ||
            c == QChar::ParagraphSeparator)
            c = u' ';
    }
    return text;
}

} // namespace

// A circle in a box of unequal sides takes the shorter side and sits in the middle of the box.
QRectF circleOf(const Shape& shape)
{
    const QRectF box = pixels(shape.Left, shape.Top, shape.Width, shape.Height);
    const qreal diameter = std::min(box.width(), box.height());
    QRectF circle(0, 0, diameter, diameter);
    circle.moveCenter(box.center());
    return circle;
}

FittedCaption fitCaption(const QString& caption, const QFont& font, qreal width)
{
    FittedCaption fitted{oneLine(caption), font};
    const qreal natural = QFontMetricsF(font).horizontalAdvance(fitted.text);
    if (natural <= width)
        return fitted;
    fitted.font.setPointSizeF(font.pointSizeF() * std::max(StatusLabel::MinimumScale, width / natural));
    // Then narrower letters of the same height, before anything is left out (a long name in a long language).
    // Measured again each time: a smaller size is not exactly narrower in proportion.
    const int narrowest = qRound(100 * StatusLabel::MinimumStretch);
    for (int stretch = 100; stretch > narrowest;) {
        const qreal now = QFontMetricsF(fitted.font).horizontalAdvance(fitted.text);
        if (now <= width)
            break;
        stretch = std::max(narrowest, int(std::floor(stretch * width / now)));
        fitted.font.setStretch(stretch);
    }
    fitted.text = QFontMetricsF(fitted.font).elidedText(fitted.text, Qt::ElideMiddle, width);
    return fitted;
}

StatusLabel::StatusLabel(QWidget* parent) : QLabel(parent)
{
    setAttribute(Qt::WA_NoMousePropagation); // a press on the label is no move
    setAutoFillBackground(true);
    setAlignment(Qt::AlignCenter);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, toQColor(frmBrindlow::LabelBackColor));
    setPalette(colours);
    QFont serif(QStringLiteral("Times New Roman"));
    serif.setStyleHint(QFont::Serif);
    serif.setPointSizeF(9.75);
    serif.setBold(true);
    setFont(serif);
}

void StatusLabel::setCaption(const QString& caption)
{
    fitted = fitCaption(caption, font(), width());
    setText(caption);
}

void StatusLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setFont(fitted.font);
    painter.setPen(palette().color(QPalette::WindowText));
    // The line reads in the direction of the language shown, even when a name is written the other way.
    QTextOption option(Qt::AlignCenter);
    option.setTextDirection(layoutDirection());
    option.setWrapMode(QTextOption::NoWrap);
    painter.drawText(QRectF(rect()), fitted.text, option);
}

BoardView::BoardView(const frmBrindlow& form, QWidget* parent) : QWidget(parent), form(form)
{
    for (qint16 cell = 0; cell < frmBrindlow::CellCount; ++cell)
        shown[cell] = form.Shape1[cell].FillColor;
    setFixedSize(qRound(frmBrindlow::ScaleWidth / TwipsPerPixel),
                 qRound(frmBrindlow::ScaleHeight / TwipsPerPixel));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void BoardView::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(frmBrindlow::BackColor));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
    for (const Shape& shape : form.Shape1) {
        const QRectF circle = circleOf(shape);
        if (!event->region().intersects(circle.toAlignedRect()))
            continue;
        painter.setBrush(toQColor(shape.FillColor));
        painter.drawEllipse(circle.adjusted(0.5, 0.5, -0.5, -0.5)); // the outline stays inside the circle
    }
}

QRectF BoardView::circle(int cell) const
{
    return circleOf(form.Shape1[cell]);
}

// A checker falls down its column, so the column it lands in is repainted whole, from the top circle (where
// the press may have been) to the bottom one.
std::bitset<frmBrindlow::CellCount> BoardView::showChanges()
{
    std::bitset<frmBrindlow::CellCount> changed;
    for (qint16 cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        const Shape& shape = form.Shape1[cell];
        if (shown[cell] == shape.FillColor)
            continue;
        changed.set(cell);
        shown[cell] = shape.FillColor;
        const Shape& top = form.Shape1[cell % frmBrindlow::Columns];
        const Shape& bottom =
            form.Shape1[frmBrindlow::CellCount - frmBrindlow::Columns + cell % frmBrindlow::Columns];
        update(circleOf(top).united(circleOf(bottom)).toAlignedRect());
    }
    return changed;
}

void BoardView::mousePressEvent(QMouseEvent* event)
{
    const Qt::MouseButton button = event->button();
    const Qt::KeyboardModifiers keys = event->modifiers();
    if (pressed)
        pressed(button == Qt::LeftButton    ? 1
                : button == Qt::RightButton ? 2
                                            : 4,
                qint16((keys & Qt::ShiftModifier ? 1 : 0) | (keys & Qt::ControlModifier ? 2 : 0) |
                       (keys & Qt::AltModifier ? 4 : 0)),
                event->position() * TwipsPerPixel, event->spontaneous());
}

// The second press of a double click is no move. One gesture of one player, or one command of a screen reader
// (which clicks again at once when the pointer seems not to have moved), must never also make the opponent's
// move; every other press is a move.
void BoardView::mouseDoubleClickEvent(QMouseEvent*)
{
}

FormWindow::FormWindow(Platform& platform)
    : brindlow(platform), boardView(new BoardView(brindlow, this)), lblturn(new StatusLabel(boardView)),
      screenReader(new Assistive(boardView, brindlow, [this](int cell) { return boardView->circle(cell); }))
{
    // The window keeps one size, so its title bar offers no maximise button and no resizing.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    //: The window's title, with its leading blank.
    setWindowTitle(tr(" Brindlow"));
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/brindlow-32.xpm"), QSize(32, 32));
    icon.addFile(QStringLiteral(":/icons/brindlow-16.xpm"), QSize(16, 16));
    setWindowIcon(icon);

    lblturn->setGeometry(pixels(frmBrindlow::LabelLeft, frmBrindlow::LabelTop, frmBrindlow::LabelWidth,
                                frmBrindlow::LabelHeight)
                             .toRect());
    // No press while a box is open or about to open, and none that a screen reader repeats for one command
    // of its own.
    boardView->pressed = [this](qint16 button, qint16 shift, QPointF at, bool fromDesktop) {
        if (screenReader->admits(at / TwipsPerPixel, fromDesktop))
            press(button, shift, at);
    };
    //: The game's name as a screen reader says it.
    setAccessibleName(tr("Brindlow"));
    // The board holds the keyboard (it handles no key itself), so that a screen reader finds the game's
    // window by its focus, at start-up and after every box.
    boardView->setFocusPolicy(Qt::TabFocus);
    setCentralWidget(boardView);
    buildMenus();
    layout()->setSizeConstraint(QLayout::SetFixedSize); // the layout never moves
}

void FormWindow::buildMenus()
{
    // "&" marks a caption's access key. The shortcuts are the same in every language.
    //: The File menu. In English it has no access key; a translation may give it one.
    QMenu* mnuFile = menuBar()->addMenu(tr("File"));
    //: The File menu's name as a screen reader says it, without an access key.
    mnuFile->setAccessibleName(tr("File", "spoken"));
    addCommand(mnuFile, tr("&New Game"), Qt::CTRL | Qt::Key_N, &frmBrindlow::mnuNewGame_Click);
    mnuFile->addSeparator();
    addCommand(mnuFile, tr("E&xit"), Qt::CTRL | Qt::Key_X, &frmBrindlow::mnuExit_Click);

    QMenu* mnuHelp = menuBar()->addMenu(tr("&Help"));
    //: The Help menu's name as a screen reader says it, without an access key.
    mnuHelp->setAccessibleName(tr("Help", "spoken"));
    addCommand(mnuHelp, tr("&Rules of the Game"), Qt::CTRL | Qt::Key_R, &frmBrindlow::mnuRules_Click);
    mnuHelp->addSeparator();
    addCommand(mnuHelp, tr("&About the Program"), Qt::CTRL | Qt::Key_A, &frmBrindlow::mnuAbout_Click);
}

void FormWindow::addCommand(QMenu* menu, const QString& caption, QKeyCombination shortcut,
                            void (frmBrindlow::*handler)())
{
    QAction* action = menu->addAction(caption);
    action->setShortcut(QKeySequence(shortcut));
    // One command at a time: a menu item pressed through the accessibility bus, or a shortcut typed, while
    // another command's box is open or about to open is no command (it would run inside the other one).
    // The command runs once the press that asked for it has returned: a screen reader that presses a menu
    // item through its action gets its answer at once, not when the box the command opens is closed.
    connect(
        action, &QAction::triggered, this,
        [this, handler] {
            if (commandRunning)
                return;
            const QScopedValueRollback<bool> running(commandRunning, true);
            (brindlow.*handler)();
            refresh();
        },
        Qt::QueuedConnection);
}

// Touches only what changed, so a press repaints one column and the status line, not the whole window.
void FormWindow::refresh()
{
    const QColor fore = toQColor(brindlow.lblturn.ForeColor);
    if (lblturn->palette().color(QPalette::WindowText) != fore) {
        QPalette colours = lblturn->palette();
        colours.setColor(QPalette::WindowText, fore);
        lblturn->setPalette(colours);
    }
    if (lblturn->text() != brindlow.lblturn.Caption)
        lblturn->setCaption(brindlow.lblturn.Caption);
    const std::bitset<frmBrindlow::CellCount> changed = boardView->showChanges();
    for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        if (changed.test(cell))
            screenReader->cellShown(cell);
    }
}

void FormWindow::press(qint16 button, qint16 shift, QPointF at)
{
    const QScopedValueRollback<bool> running(commandRunning, true);
    brindlow.Form_MouseDown(button, shift, float(at.x()), float(at.y()));
    refresh();
    screenReader->pressed(frmBrindlow::columnAt(float(at.x())));
}

void FormWindow::start()
{
    {
        const QScopedValueRollback<bool> running(commandRunning, true); // the menus are there, hidden
        brindlow.Form_Load();
    }
    refresh();
    adjustSize();
    offerNoResize(this);
    if (const QScreen* screen = this->screen())
        move(screen->availableGeometry().center() - rect().center());
    boardView->setFocus();
    show();
    // The menu shortcuts work at once, even where no window manager hands out the focus (the hand-back after
    // the players' names does it too, but only where real boxes ran).
    activateWindow();
}
