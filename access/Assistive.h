// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a player who cannot see the screen is told, and when. The window and the boxes tell of a few moments
// (a cell shown anew, the status line, a press handled, a box opening or closed); everything else is kept
// here.
#pragma once

#include "access/BoardAccessible.h"

#include <QElapsedTimer>
#include <QObject>
#include <QRectF>
#include <QString>

#include <functional>
#include <memory>

class ToolkitBridge;
class frmBrindlow;

// What the board's widget shows of the game, and its press.
class BoardSight
{
  public:
    virtual ~BoardSight() = default;
    virtual const frmBrindlow& brindlow() const = 0;
    // A cell's circle, in the widget's pixels.
    virtual QRectF circle(int cell) const = 0;
    // Presses the middle of a cell's circle with the left button, as the mouse would.
    virtual void pressCell(int cell) = 0;
};

class Assistive : public QObject, private AccessibleBoard
{
  public:
    // Before the program's first window: the player's own setting of Qt's accessibility switch, and what this
    // Qt needs at start-up.
    static void prepareEnvironment();
    static void start();

    // Speaks for `board` from now on; the board's widget shows it through `sight`.
    Assistive(QWidget* board, BoardSight& sight);
    ~Assistive() override;

    // A cell shows a new colour: a checker landed, or the board was cleared.
    void cellShown(int cell);
    // The status line shows a new caption.
    void statusLine(const QString& caption);
    // A press on the board (in `column`, or beside the columns) has been handled.
    void pressed(int column);
    // A box (none in tests) with this text is about to open; one has closed.
    void boxOpening(QWidget* box, const QString& text);
    void boxClosed();

    // Where the news goes instead of the desktop's assistive technology; tests listen here.
    std::function<void(const QString& news)> tell;

    // The cell that has the focus while the board has the keyboard: column 4, row 1 until a checker lands.
    static constexpr int FirstCurrentCell = 38;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    const frmBrindlow& form() const override;
    QRect cellOnScreen(int cell) const override;
    int currentCell() const override { return current; }
    void pressCell(int cell) override;
    int extraChildCount() const override;
    QAccessibleInterface* extraChild(int index) const override;

    bool listening() const;
    void say(const QString& news);
    void boardHasKeyboard();
    void focusCurrentCell();
    void settle();
    bool isEcho(int cell, bool byAction);

    QWidget* board;
    BoardSight& sight;
    std::unique_ptr<ToolkitBridge> bridge;
    int current = FirstCurrentCell;
    // The press being handled: the cell its checker landed in (or -1), and whether that has been told.
    int landed = -1;
    bool landingTold = false;
    // The status line, and what was last told of it; a cleared board starts a game, whose turn is told anew.
    QString caption;
    QString toldCaption;
    bool newGame = false;
    // A screen reader that doubts its click on a cell clicks the cell's middle again and then presses the
    // cell by its action, all for one command; the clicks and the action reach the game by different ways, in
    // either order. The first of them is the move; this is it, until the other one comes.
    struct Command
    {
        int cell = -1;
        bool byAction = false;
        QElapsedTimer at;
    };
    Command unanswered;
    // The cell a mouse press on the board is on, while that press is handled; -1 when none.
    int pointerCell = -1;
    bool boxJustClosed = false;
    bool waiting = false;
};
