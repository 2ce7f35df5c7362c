// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when: the board as a table of its 42 cells. The window
// tells of a few moments (a cell shown anew, a press, a box); the table answers the rest.
#pragma once

#include "access/ReaderWorkarounds.h"

#include <QAccessible>
#include <QObject>
#include <QRectF>

#include <functional>
#include <memory>
#include <optional>

class frmBrindlow;

class Assistive : public QObject
{
  public:
    // What a screen reader in use needs beyond the contract, for every board from now on.
    static void use(std::unique_ptr<ReaderWorkarounds> workarounds);

    // Speaks for `board`, the widget that shows `form`; `circle` gives a cell's circle in its pixels.
    Assistive(QWidget* board, const frmBrindlow& form, std::function<QRectF(int cell)> circle);

    // A cell shows a new colour: a checker landed, or the board was cleared.
    void cellShown(int cell);
    // Whether a press at `at`, in the board's pixels, is a move: none while a box is open or about to open,
    // and none that the screen reader in use repeats for one command of its own (asked of presses
    // `fromDesktop`; a cell's press action posts its press once it has been asked).
    bool admits(QPointF at, bool fromDesktop);
    // A press on the board (in `column`, or beside the columns) has been handled.
    void pressed(int column);
    // A box (none in tests) with this text is about to open; one has closed.
    void boxOpening(QWidget* box, const QString& text);
    void boxClosed();

  private:
    class Table;
    class Cell;

    int cellAt(QPointF at) const;
    bool isMove(int cell, std::optional<QPointF> fromCentre) const;
    void send(int cell, QAccessible::Event type) const;
    void say(const QString& news);
    void focusLanding(int cell);
    void boardHasKeyboard();

    QWidget* const view;
    const frmBrindlow& form;
    const std::function<QRectF(int)> cellCircle;
    // The cell that has the focus while the board has the keyboard: column 4, row 1 until a checker lands,
    // then the cell the last checker landed in.
    int current = 38;
    // Where the checker of the press being handled landed (-1: nowhere); whether a box told what followed.
    int landed = -1;
    bool boxTold = false;
    bool landingWaits = false; // for the screen reader in use, and what follows the landing with it
    QString afterLanding;
    bool boxOpen = false;
    bool boxJustClosed = false; // and the event loop has not run since: a box opening now is the same command
};
