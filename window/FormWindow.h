// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one window on Qt Widgets: draws the form's controls and hands it presses and menu commands.
#pragma once

#include "game/frmBrindlow.h"

#include <QElapsedTimer>
#include <QFont>
#include <QLabel>
#include <QMainWindow>

#include <functional>

class Platform;
class QAction;

// Twips, the form's unit, to Qt's device-independent pixels: 96 dots per inch.
constexpr qreal TwipsPerPixel = 15.0;

QColor toQColor(quint32 colour);

// Where a cell's circle is drawn on the board, in pixels.
QRectF circleOf(const Shape& shape);

// The status line as the label draws it: on one line, shrunk to at most MinimumScale of its size and then
// cut in the middle when it is still too wide, so the colour word at its end always shows.
struct FittedCaption
{
    QString text;
    QFont font;
};
FittedCaption fitCaption(const QString& caption, const QFont& font, qreal width);

class StatusLabel : public QLabel
{
  public:
    static constexpr qreal MinimumScale = 0.75;
    explicit StatusLabel(QWidget* parent);

    // Shows the caption, fitted to the label once here rather than on every paint.
    void setCaption(const QString& caption);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    FittedCaption fitted;
};

class BoardView : public QWidget
{
  public:
    BoardView(const frmBrindlow& form, QWidget* parent);

    // Repaints the columns whose circles changed colour since they were last shown, and only those. Gives the
    // cell a checker landed in, or -1.
    int showChanges();

    // A press on the board: the button (1 left, 2 right, 4 other), the modifier keys (1 Shift, 2 Ctrl, 4 Alt)
    // and the position in twips.
    std::function<void(qint16 button, qint16 shift, QPointF at)> pressed;

    // A screen reader's command to press a cell: a left-button press in the middle of its circle, made once
    // the command has been answered. Nothing when it repeats a mouse press of a moment ago.
    void pressCell(int cell);

    const frmBrindlow& brindlow() const { return form; }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    static constexpr qint64 SameCommandMs = 2000;

    const frmBrindlow& form;
    // What the screen shows of each cell: the form's colours as of the last showChanges.
    std::array<quint32, frmBrindlow::CellCount> shown;
    QElapsedTimer lastMousePress;
};

class FormWindow : public QMainWindow
{
  public:
    explicit FormWindow(Platform& platform);

    // Runs the form's load handler, then shows the window centred on the screen.
    void start();

    // Brings the label up to date with the form and asks for the board to be repainted. Called before each
    // box; a box opened by a press is preceded by the news of where the checker landed. Says whether news was
    // told.
    bool refresh();

    // A press on the board, with what assistive technology hears of it: where the checker landed and whose
    // turn it is now, or that the column is full. One press at a time.
    void press(qint16 button, qint16 shift, QPointF at);

    // Where what a screen reader hears of a press goes; tests listen here.
    std::function<void(const QString& news)> tell;

    frmBrindlow& form() { return brindlow; }
    BoardView* board() const { return boardView; }
    StatusLabel* statusLabel() const { return lblturn; }

  private:
    int showChanges();
    bool tellPress(int landed, const QString& turn);
    void buildMenus();
    void addCommand(QMenu* menu, const QString& caption, QKeyCombination shortcut,
                    void (frmBrindlow::*handler)());

    frmBrindlow brindlow;
    BoardView* boardView;
    StatusLabel* lblturn;
    // While a press is handled: its column, and whether its landing has been told (before a box).
    bool pressing = false;
    qint16 pressedColumn = frmBrindlow::NoColumn;
    bool landingTold = false;
};
