// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// After every press: the search for four in a line, the winner's box, and the tie.
#include "game/frmBrindlow.h"
#include "platform/Platform.h"
#include "platform/TextOps.h"

namespace {

// Columns 3 to 6 stand at Left 2640 and more; the diagonal scans start only there.
constexpr qint32 DiagonalStartLeft = 2550;

} // namespace

bool frmBrindlow::sameColour(qint16 cell, qint16 a, qint16 b, qint16 c) const
{
    const quint32 colour = Shape1[cell].FillColor;
    return colour == Shape1[a].FillColor && colour == Shape1[b].FillColor && colour == Shape1[c].FillColor;
}

// Each scan runs to its end even after a win: Win empties the board, so the rest of this press finds nothing
// and a press announces at most one winner.
void frmBrindlow::endOfClickChecks()
{
    // Rows: a start cell in columns 0 to 3, so that no window runs past the end of its row.
    for (scanIndex = 38; scanIndex >= 0; --scanIndex) {
        if ((scanIndex - 4) % Columns != 0 && (scanIndex - 5) % Columns != 0 &&
            (scanIndex - 6) % Columns != 0 && !isEmpty(scanIndex) &&
            sameColour(scanIndex, scanIndex + 1, scanIndex + 2, scanIndex + 3))
            Win();
    }
    // Columns: a start cell in rows 3 to 5, looking up.
    for (scanIndex = 41; scanIndex >= 21; --scanIndex) {
        if (!isEmpty(scanIndex) && sameColour(scanIndex, scanIndex - 7, scanIndex - 14, scanIndex - 21))
            Win();
    }
    // Diagonals running up and to the left.
    for (scanIndex = 41; scanIndex >= 24; --scanIndex) {
        if (Shape1[scanIndex].Left > DiagonalStartLeft && !isEmpty(scanIndex) &&
            sameColour(scanIndex, scanIndex - 8, scanIndex - 16, scanIndex - 24))
            Win();
    }
    // Diagonals running down and to the left.
    for (scanIndex = 0; scanIndex <= 23; ++scanIndex) {
        if (Shape1[scanIndex].Left > DiagonalStartLeft && !isEmpty(scanIndex) &&
            sameColour(scanIndex, scanIndex + 6, scanIndex + 12, scanIndex + 18))
            Win();
    }

    filledCount = 0;
    for (countIndex = 0; countIndex < CellCount; ++countIndex) {
        if (!isEmpty(countIndex))
            filledCount = filledCount + 1;
    }
    if (filledCount == CellCount) {
        //: The box shown when the board is full and nobody has four in a line.
        platform.messageBox(tr("Tie Game...you both LOSE!"), ButtonsOk,
                            //: Title of the box for a full board without a winner: a game nobody wins.
                            tr("CAT'S GAME"));
        mnuNewGame_Click();
    }
}

// The player who placed this press's checker wins: a line can only appear through that checker, because
// every earlier line emptied the board when it was found.
void frmBrindlow::Win()
{
    //: The winner's box; %1 is the winner's name, already upper-cased.
    const char* const wins = QT_TR_NOOP("%1 WINS!");
    //: Title of the winner's box.
    const char* const winner = QT_TR_NOOP("Winner");
    if (currentPlayer == 1)
        platform.messageBox(tr(wins).arg(TextOps::upperCase(player1Name)), ButtonsOk, tr(winner));
    if (currentPlayer == 2)
        platform.messageBox(tr(wins).arg(TextOps::upperCase(player2Name)), ButtonsOk, tr(winner));
    for (resetIndex = 0; resetIndex < CellCount; ++resetIndex)
        Shape1[resetIndex].FillColor = EmptyColor;
    currentPlayer = 1;
    moveCount = 0;
    showBlackForm();
}
