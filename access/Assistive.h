// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when. The window tells of a few moments (a cell shown
// anew, a press, a box opening or closed); the board's accessible table asks the rest.
#pragma once

#include "access/ReaderWorkarounds.h"

#include <QObject>
#include <QPointF>
#include <QRect>

#include <functional>
#include <memory>

class frmBrindlow;

class Assistive : public QObject
{
  public:
    // Before the program's first window: the player's own setting of Qt's accessibility switch; then, once
    // the application object exists, Qt's bridge to assistive technology.
    static void prepareEnvironment();
    static void start();
    // What a screen reader in use needs beyond the contract, for every board from now on.
    static void use(std::unique_ptr<ReaderWorkarounds> workarounds);

    // Speaks for `board`, the widget that shows `form`; `circle` gives a cell's circle in its pixels.
    Assistive(QWidget* board, const frmBrindlow& form, std::function<QRectF(int cell)> circle);

    // A cell shows a new colour: a checker landed, or the board was cleared.
    void cellShown(int cell);
    // Whether a press at `at`, in the board's pixels, is a move: none while a box is open or about to open,
    // and none that the screen reader in use repeats for one command of its own. A press `fromDesktop` came
    // from the window system; the others were posted by a cell's press action, which was asked about then.
    bool admits(QPointF at, bool fromDesktop);
    // A press on the board (in `column`, or beside the columns) has been handled.
    void pressed(int column);
    // A box (none in tests) with this text is about to open; one has closed.
    void boxOpening(QWidget* box, const QString& text);
    void boxClosed();

    // What the board's accessible table shows and does. The current cell has the focus while the board has
    // the keyboard: column 4, row 1 until a checker lands, then the cell the last checker landed in.
    const frmBrindlow& form() const { return brindlow; }
    QWidget* board() const { return view; }
    int currentCell() const { return current; }
    QRect cellOnScreen(int cell) const;
    // The cell whose circle holds `at`, in the board's pixels; -1 for none.
    int cellAt(QPointF at) const;
    // A screen reader's press of a cell by its action: a press on its circle, once the command is answered.
    void pressCell(int cell);
    // A screen reader asked which cell is at a point and was told `cell`, or (`state`) read its state.
    void looked(int cell, bool state);

  private:
    void say(const QString& news);
    void focusLanding(int cell);
    void focusCurrent();
    void boardHasKeyboard();

    QWidget* const view;
    const frmBrindlow& brindlow;
    const std::function<QRectF(int)> circle;
    int current = 38;
    // Where the checker of the press being handled landed (-1: nowhere), and whether a box has told what
    // followed it.
    int landed = -1;
    bool boxTold = false;
    // The landing's focus waits for the screen reader in use; what follows it waits too.
    bool landingWaits = false;
    QString afterLanding;
    bool boxOpen = false;
    // A box closed and the event loop has not run since: a box opening now belongs to the same command.
    bool boxJustClosed = false;
};
