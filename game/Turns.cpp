// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whose checker a move places, and the status line that names the player to move next.
#include "game/frmBrindlow.h"
#include "platform/TextOps.h"

void frmBrindlow::showBlackForm()
{
    lblturn.ForeColor = BlackColor;
    //: The status line when player 1, who plays black, is to move; %1 is the name. The whole line is then
    //: upper-cased by the language's own rules.
    lblturn.Caption = TextOps::upperCase(tr("%1's turn!  (Black)").arg(player1Name));
}

void frmBrindlow::showRedForm()
{
    lblturn.ForeColor = RedColor;
    //: The status line when player 2, who plays red, is to move; %1 is the name, upper-cased with the rest.
    lblturn.Caption = TextOps::upperCase(tr("%1's turn!  (Red)").arg(player2Name));
}

// The turn follows from the number of checkers placed, never from a toggle: odd-numbered checkers are
// player 1's, even-numbered ones player 2's.
void frmBrindlow::Swichturns()
{
    moveCount = moveCount + 1;
    if (moveCount / 2 * 2 == moveCount) {
        currentPlayer = 2;
        showBlackForm();
    } else {
        currentPlayer = 1;
        showRedForm();
    }
}
