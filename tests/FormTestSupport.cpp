// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Helpers that read a board at a glance.
#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <ostream>

void PrintTo(const Box& box, std::ostream* os)
{
    *os << "{\"" << box.prompt.toStdString() << "\", " << box.buttons << ", \"" << box.title.toStdString()
        << "\"}";
}

Box winnerBox(const QString& upperName)
{
    return {upperName + QStringLiteral(" WINS!"), ButtonsOk, QStringLiteral("Winner")};
}

Box tieBox()
{
    return {QStringLiteral("Tie Game...you both LOSE!"), ButtonsOk, QStringLiteral("CAT'S GAME")};
}

Box newGameBox()
{
    return {QStringLiteral("Do you want to keep the same names?"), ButtonsYesNo, QStringLiteral("New Game")};
}

Box nameBox(int player)
{
    return {QStringLiteral("Player %1:").arg(player), InputBoxButtons, QStringLiteral("New Players")};
}

std::string boardPicture(const frmBrindlow& form)
{
    std::string picture;
    for (int cell = 0; cell < frmBrindlow::CellCount; ++cell) {
        const quint32 colour = form.Shape1[cell].FillColor;
        picture += colour == frmBrindlow::EmptyColor   ? '.'
                   : colour == frmBrindlow::BlackColor ? 'X'
                   : colour == frmBrindlow::RedColor   ? 'O'
                                                       : '?';
        if (cell % frmBrindlow::Columns == frmBrindlow::Columns - 1)
            picture += '\n';
    }
    return picture;
}

void setBoard(frmBrindlow& form, const std::string& picture)
{
    int cell = 0;
    for (const char c : picture) {
        if (c == ' ' || c == '\n')
            continue;
        ASSERT_LT(cell, frmBrindlow::CellCount) << "picture has more than 42 cells";
        form.Shape1[cell++].FillColor = c == 'X'   ? frmBrindlow::BlackColor
                                        : c == 'O' ? frmBrindlow::RedColor
                                                   : frmBrindlow::EmptyColor;
    }
    ASSERT_EQ(cell, frmBrindlow::CellCount) << "picture has fewer than 42 cells";
}

float bandMiddle(int column)
{
    return 850.0f * static_cast<float>(column) + 425.0f;
}

StartedForm::StartedForm(const QString& name1, const QString& name2)
{
    platform.names = {name1, name2};
    form.Form_Load();
    platform.boxes.clear();
}

void StartedForm::pressAll(const std::vector<int>& columns)
{
    for (const int column : columns)
        press(column);
}
