// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starting the run, starting a new game, and leaving: the players' names are asked for here and nowhere else.
#include "game/frmBrindlow.h"
#include "platform/Platform.h"
#include "platform/TextOps.h"

// Asks until the typed text holds something other than blanks. The test looks at the whole text; only then
// is it cut to 12 characters, so twelve blanks and a letter are stored as twelve blanks.
void frmBrindlow::askName(QString& name, const QString& prompt)
{
    while (TextOps::trimSpaces(name).isEmpty())
        //: Title of the boxes that ask for the players' names.
        name = platform.inputBox(prompt, tr("New Players"));
    name = TextOps::leftCharacters(name, MaxNameLength);
}

void frmBrindlow::Form_Load()
{
    moveCount = 0;
    currentPlayer = 1;
    clearBoard();
    askName(player1Name, tr("Player 1:"));
    askName(player2Name, tr("Player 2:"));
    showBlackForm();
}

// The board is emptied before the question, so New Game cannot be taken back.
void frmBrindlow::mnuNewGame_Click()
{
    moveCount = 0;
    currentPlayer = 1;
    clearBoard();
    keepNamesAnswer = platform.messageBox(tr("Do you want to keep the same names?"), ButtonsYesNo,
                                          //: Title of the question asked by File > New Game.
                                          tr("New Game"));
    if (keepNamesAnswer == AnswerNo) {
        player1Name = QString();
        //: The prompt of the box that asks for the name of the player who plays black.
        askName(player1Name, tr("Player 1:"));
        player2Name = QString();
        //: The prompt of the box that asks for the name of the player who plays red.
        askName(player2Name, tr("Player 2:"));
    }
    // Shown for any answer, so the status line can never be left naming the game that was just cleared.
    showBlackForm();
}

void frmBrindlow::mnuExit_Click()
{
    platform.endProgram();
}
