// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Help menu: the rules of the game and the program's credits.
#include "game/frmBrindlow.h"
#include "platform/Platform.h"

namespace {

// A box's text breaks its lines with CR LF; the translations break them with LF alone, as Qt Linguist shows.
QString boxLines(const QString& text)
{
    return QString(text).replace(u'\n', QStringLiteral("\r\n"));
}

} // namespace

void frmBrindlow::mnuRules_Click()
{
    //: The rules box: six lines of about 70 characters, broken where a line of the box should end.
    platform.messageBox(boxLines(tr("The two players alternate turns, with the starting player controlling\n"
                                    "the black checkers.  The first player to form a horizontal, vertical,\n"
                                    "or diagonal line of four checkers of the same color is the winner.\n"
                                    "To place a checker in a particular column, click anywhere in that\n"
                                    "column.  Checkers will always fall as far as possible down each\n"
                                    "column.")),
                        ButtonsOk, tr("Rules of the Game"));
}

void frmBrindlow::mnuAbout_Click()
{
    //: The credits box: keep its empty line, and the name Brindlow in the teams' names.
    platform.messageBox(boxLines(tr("Brindlow was written by the Brindlow Rules Team and\n"
                                    "the Brindlow Window Team, December, 2026.\n"
                                    "\n"
                                    "It was edited by the Brindlow Maintainers, December, 2026.")),
                        ButtonsOkInformation, tr("About the Program"));
}
