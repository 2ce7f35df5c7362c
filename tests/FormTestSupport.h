// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers that read a board at a glance.
#pragma once

#include "game/frmBrindlow.h"
#include "platform/ScriptedPlatform.h"

#include <iosfwd>
#include <string>
#include <vector>

void PrintTo(const Box& box, std::ostream* os);

Box winnerBox(const QString& upperName);
Box tieBox();
Box newGameBox();
Box nameBox(int player);

// The board as 6 lines of 7: '.' empty, 'X' black, 'O' red.
std::string boardPicture(const frmBrindlow& form);

// A full board without a line: alternate rows of XXOOXXO and its opposite.
inline const std::string TieBoard = "XXOOXXO"
                                    "OOXXOOX"
                                    "XXOOXXO"
                                    "OOXXOOX"
                                    "XXOOXXO"
                                    "OOXXOOX";

// Paints a board from such a picture (rows top to bottom, blanks and line breaks ignored).
void setBoard(frmBrindlow& form, const std::string& picture);

// X in the middle of a column's band.
float bandMiddle(int column);

// A form started with the two names, its start-up boxes forgotten.
struct StartedForm
{
    explicit StartedForm(const QString& name1 = QStringLiteral("Ann"),
                         const QString& name2 = QStringLiteral("Bob"));
    void press(int column) { form.Form_MouseDown(1, 0, bandMiddle(column), 1000.0f); }
    void pressAll(const std::vector<int>& columns);

    ScriptedPlatform platform;
    frmBrindlow form{platform};
};
