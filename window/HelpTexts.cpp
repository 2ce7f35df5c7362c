// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The Help menu: the rules of the game and the program's credits.
#include "game/frmBrindlow.h"
#include "platform/Platform.h"

#include "RulesText.h"

namespace {

// The rules as resources/rules.txt words them, with the line breaks of a box's text.
QString rulesText()
{
    return QString::fromUtf16(RulesText).replace(u'\n', QStringLiteral("\r\n"));
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
