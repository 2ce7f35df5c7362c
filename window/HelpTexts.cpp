// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Help menu: the rules of the game and the program's credits.
#include "game/frmBrindlow.h"
#include "platform/Platform.h"

namespace {

QString rulesText()
{
    return QStringLiteral("The two players alternate turns, with the starting player controlling\r\n"
                          "the black checkers.  The first player to form a horizontal, vertical,\r\n"
                          "or diagonal line of four checkers of the same color is the winner.\r\n"
                          "To place a checker in a particular column, click anywhere in that\r\n"
                          "column.  Checkers will always fall as far as possible down each\r\n"
                          "column.");
}

QString aboutText()
{
    return QStringLiteral("Brindlow was written by the Brindlow Rules Team and\r\n"
                          "the Brindlow Window Team, December, 2026.\r\n"
                          "\r\n"
                          "It was edited by the Brindlow Maintainers, December, 2026.");
}

} // namespace

void frmBrindlow::mnuRules_Click()
{
    platform.messageBox(rulesText(), ButtonsOk, QStringLiteral("Rules of the Game"));
}

void frmBrindlow::mnuAbout_Click()
{
    platform.messageBox(aboutText(), ButtonsOkInformation, QStringLiteral("About the Program"));
}
