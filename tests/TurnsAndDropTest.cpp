// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Where each press drops a checker, and how the turn and the status line follow.
#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

const std::string EmptyBoard = ".......\n.......\n.......\n.......\n.......\n.......\n";

TEST(Board, CellsStandInTheirBoxes)
{
    ScriptedPlatform platform;
    frmBrindlow form(platform);
    for (const Shape& shape : form.Shape1)
        EXPECT_EQ(shape.FillColor, frmBrindlow::EmptyColor);
    const struct
    {
        int cell;
        Shape shape;
    } cells[] = {
        {0, {frmBrindlow::EmptyColor, 120, 120, 735, 615}},
        {6, {frmBrindlow::EmptyColor, 5160, 120, 735, 615}},
        {16, {frmBrindlow::EmptyColor, 1800, 1560, 735, 615}},
        {24, {frmBrindlow::EmptyColor, 2640, 2280, 735, 615}},
        {35, {frmBrindlow::EmptyColor, 120, 3720, 735, 615}},
        {41, {frmBrindlow::EmptyColor, 5160, 3720, 735, 615}},
    };
    for (const auto& [cell, shape] : cells)
        EXPECT_EQ(form.Shape1[cell], shape) << cell;
}

TEST(Drop, BandsDecideTheColumn)
{
    constexpr int Nothing = -1;
    struct Case
    {
        float x;
        int cell;
    };
    const Case cases[] = {
        {-100.0f, 35},
        {0.0f, 35},
        {487.0f, 35},
        {849.99f, 35},
        {std::nextafter(850.0f, 0.0f), 35},
        {850.0f, 36},
        {852.0f, 36},
        {1699.99f, 36},
        {1700.0f, 37},
        {2550.0f, 38},
        {3400.0f, 39},
        {4250.0f, 40},
        {5099.99f, 40},
        {5100.0f, 41},
        {5949.99f, 41},
        {std::nextafter(5950.0f, 0.0f), 41},
        {5950.0f, Nothing},
        {6029.0f, Nothing},
        {6100.0f, Nothing},
        {std::numeric_limits<float>::infinity(), Nothing},
        {std::numeric_limits<float>::quiet_NaN(), Nothing},
    };
    for (const Case& c : cases) {
        StartedForm game;
        game.form.Form_MouseDown(1, 0, c.x, 2000.0f);
        std::string expected = EmptyBoard;
        if (c.cell != Nothing)
            expected[static_cast<size_t>(c.cell / 7 * 8 + c.cell % 7)] = 'X';
        EXPECT_EQ(boardPicture(game.form), expected) << "X = " << c.x;
        EXPECT_EQ(game.form.moveCount, c.cell == Nothing ? 0 : 1) << "X = " << c.x;
        EXPECT_TRUE(game.platform.boxes.empty());
    }
}

TEST(Drop, ButtonsModifiersAndHeightAreIgnored)
{
    StartedForm plain;
    plain.form.Form_MouseDown(1, 0, 2600.0f, 427.0f);
    for (const qint16 button : {1, 2, 4}) {
        for (const qint16 shift : {0, 1, 2, 7}) {
            StartedForm game;
            game.form.Form_MouseDown(button, shift, 2600.0f, button == 4 ? 4900.0f : -3.0f);
            EXPECT_EQ(boardPicture(game.form), boardPicture(plain.form)) << button << ' ' << shift;
        }
    }
}

TEST(Drop, ColumnFillsBottomUpThenRefuses)
{
    StartedForm game;
    game.pressAll({3, 3, 3, 3, 3, 3});
    EXPECT_EQ(boardPicture(game.form), "...O...\n"
                                       "...X...\n"
                                       "...O...\n"
                                       "...X...\n"
                                       "...O...\n"
                                       "...X...\n");
    const Label before = game.form.lblturn;
    game.press(3);
    EXPECT_EQ(game.form.moveCount, 6);
    EXPECT_EQ(game.form.currentPlayer, 2);
    EXPECT_EQ(game.form.lblturn, before);
    EXPECT_EQ(boardPicture(game.form).substr(0, 7), "...O...");
    game.press(4);
    EXPECT_EQ(game.form.Shape1[39].FillColor, frmBrindlow::BlackColor) << "the same player is still to move";
}

TEST(Turns, StatusLineNamesThePlayerToMoveNext)
{
    StartedForm game(QStringLiteral("ann"), QStringLiteral("Bob 2"));
    const Label black{QStringLiteral("ANN'S TURN!  (BLACK)"), frmBrindlow::BlackColor};
    const Label red{QStringLiteral("BOB 2'S TURN!  (RED)"), frmBrindlow::RedColor};
    EXPECT_EQ(game.form.lblturn, black);

    struct Step
    {
        int column;
        qint16 moveCount;
        qint16 currentPlayer;
        int cell;
        quint32 colour;
        Label status;
    };
    const Step steps[] = {
        {0, 1, 1, 35, frmBrindlow::BlackColor, red},
        {0, 2, 2, 28, frmBrindlow::RedColor, black},
        {6, 3, 1, 41, frmBrindlow::BlackColor, red},
        {5, 4, 2, 40, frmBrindlow::RedColor, black},
    };
    for (const Step& step : steps) {
        game.press(step.column);
        EXPECT_EQ(game.form.moveCount, step.moveCount);
        EXPECT_EQ(game.form.currentPlayer, step.currentPlayer);
        EXPECT_EQ(game.form.Shape1[step.cell].FillColor, step.colour) << boardPicture(game.form);
        EXPECT_EQ(game.form.lblturn, step.status);
    }
}

} // namespace
