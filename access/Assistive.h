// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when. The window tells of a few moments (a cell shown
// anew, the status line, a press, a box opening or closed); the board's accessible table asks the rest.
#pragma once

#include "access/OrcaMouseClicks.h"

#include <QObject>
#include <QPointF>
#include <QRect>
#include <QString>

#include <functional>

class frmBrindlow;

class Assistive : public QObject
{
  public:
    // Before the program's first window: the player's own setting of Qt's accessibility switch; then, once
    // the application object exists, Qt's bridge to assistive technology.
    static void prepareEnvironment();
    static void start();

    // Speaks for `board`, the widget that shows `form`. `circle` gives a cell's circle in the widget's
    // pixels; `press` presses the board at a point in those pixels with the left button, as the mouse would.
    Assistive(QWidget* board, const frmBrindlow& form, std::function<QRectF(int cell)> circle,
              std::function<void(QPointF at)> press);

    // A cell shows a new colour: a checker landed, or the board was cleared.
    void cellShown(int cell);
    // The status line shows a new caption.
    void statusLine(const QString& caption) { turn = caption; }
    // The mouse pressed the board here. False when the press is no move (see OrcaMouseClicks.h).
    bool mousePressed(QPointF at);
    // A press on the board (in `column`, or beside the columns) has been handled.
    void pressed(int column);
    // A box (none in tests) with this text is about to open; one has closed.
    void boxOpening(QWidget* box, const QString& text);
    void boxClosed();

    // Where the news goes instead of the desktop's assistive technology; tests listen here.
    std::function<void(const QString& news)> tell;

    // What the board's accessible table shows and does. The current cell has the focus while the board has
    // the keyboard: column 4, row 1 until a checker lands, then the cell the last checker landed in.
    const frmBrindlow& form;
    QWidget* const board;
    int currentCell() const { return current; }
    QRect cellOnScreen(int cell) const;
    // A screen reader's press of a cell by its action.
    void pressCell(int cell);
    // A screen reader asked which cell is at a point on the screen, and was told `cell`.
    void lookedAt(int cell) { orca.lookedAt(cell); }

  private:
    void say(const QString& news);
    void focusLanding(int cell);
    void focusCurrent();
    void boardHasKeyboard();

    std::function<QRectF(int)> circle;
    std::function<void(QPointF)> press;
    OrcaMouseClicks orca;
    int current = 38;
    // Where the checker of the press being handled landed (-1: nowhere), and whether a box told what
    // followed.
    int landed = -1;
    bool boxTold = false;
    QString turn;
    // What is told once the landing has the focus.
    QString afterLanding;
    bool boxJustClosed = false;
    bool waiting = false;
};
