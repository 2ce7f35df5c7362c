// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's one window on Qt Widgets: draws the form's controls and hands it presses and menu commands.
#pragma once

#include "access/Assistive.h"
#include "game/frmBrindlow.h"

#include <QCoreApplication>
#include <QFont>
#include <QLabel>
#include <QMainWindow>

#include <bitset>
#include <functional>

class Platform;
class QAction;

// Twips, the form's unit, to Qt's device-independent pixels: 96 dots per inch.
constexpr qreal TwipsPerPixel = 15.0;

QColor toQColor(quint32 colour);

// Where a cell's circle is drawn on the board, in pixels.
QRectF circleOf(const Shape& shape);

// The status line as the label draws it: on one line, shrunk to at most MinimumScale of its size, then in
// letters narrowed to at most MinimumStretch of their width, and only then cut in the middle when it is still
// too wide, so the colour word at its end always shows.
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
    static constexpr qreal MinimumStretch = 0.75; // letters at least three quarters of their width

    explicit StatusLabel(QWidget* parent);

    // Shows the caption, fitted to the label once here rather than on every paint.
    void setCaption(const QString& caption);
    // What is painted: the caption on one line, and the font it is painted in.
    const FittedCaption& shown() const { return fitted; }

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
    // cells that changed.
    std::bitset<frmBrindlow::CellCount> showChanges();

    // A press on the board: the button (1 left, 2 right, 4 other), the modifier keys (1 Shift, 2 Ctrl, 4
    // Alt), the position in twips, and whether it came from the window system (not posted by the game
    // itself).
    std::function<void(qint16 button, qint16 shift, QPointF at, bool fromDesktop)> pressed;

    // A cell's circle, in the widget's pixels.
    QRectF circle(int cell) const;

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    const frmBrindlow& form;
    // What the screen shows of each cell: the form's colours as of the last showChanges.
    std::array<quint32, frmBrindlow::CellCount> shown;
};

class FormWindow : public QMainWindow
{
    Q_DECLARE_TR_FUNCTIONS(FormWindow)

  public:
    explicit FormWindow(Platform& platform);

    // Runs the form's load handler, then shows the window centred on the screen.
    void start();

    // Brings the label up to date with the form and asks for the board to be repainted. Called before each
    // box, so that the board under a box shows what the box speaks of.
    void refresh();

    // A press on the board.
    void press(qint16 button, qint16 shift, QPointF at);

    frmBrindlow& form() { return brindlow; }
    // What a player who cannot see the screen is told; the boxes tell it when they open and close.
    Assistive& assistive() const { return *screenReader; }
    BoardView* board() const { return boardView; }
    StatusLabel* statusLabel() const { return lblturn; }

  private:
    void buildMenus();
    void addCommand(QMenu* menu, const QString& caption, QKeyCombination shortcut,
                    void (frmBrindlow::*handler)());

    frmBrindlow brindlow;
    bool commandRunning = false; // a press's handler or a menu command, with its boxes
    BoardView* boardView;
    StatusLabel* lblturn;
    Assistive* screenReader;
};
