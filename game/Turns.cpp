// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Whose checker a move places, and the status line that names the player to move next.
#include "game/frmBrindlow.h"
#include "platform/TextOps.h"

void frmBrindlow::showBlackForm()
{
    lblturn.ForeColor = BlackColor;
    lblturn.Caption = TextOps::upperCase(player1Name + QStringLiteral("'s turn!  (Black)"));
}

void frmBrindlow::showRedForm()
{
    lblturn.ForeColor = RedColor;
    lblturn.Caption = TextOps::upperCase(player2Name + QStringLiteral("'s turn!  (Red)"));
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
