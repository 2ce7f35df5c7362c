// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The end of every press: four in a line wins, a full board without one is a tie.
#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// The board's state from a picture: moveCount and currentPlayer as play would have left them.
void prepare(frmBrindlow& form, const std::string& picture)
{
    setBoard(form, picture);
    const auto black = std::count(picture.begin(), picture.end(), 'X');
    const auto red = std::count(picture.begin(), picture.end(), 'O');
    ASSERT_TRUE(black == red || black == red + 1) << picture;
    form.moveCount = static_cast<qint16>(black + red);
    form.currentPlayer = form.moveCount == 0 || form.moveCount % 2 == 1 ? 1 : 2;
}

void expectFreshGame(const StartedForm& game)
{
    EXPECT_EQ(boardPicture(game.form), ".......\n.......\n.......\n.......\n.......\n.......\n");
    EXPECT_EQ(game.form.moveCount, 0);
    EXPECT_EQ(game.form.currentPlayer, 1);
    EXPECT_EQ(game.form.lblturn, (Label{QStringLiteral("ANN'S TURN!  (BLACK)"), frmBrindlow::BlackColor}));
}

// Boards one press away from the end of a game, and who that press makes the winner. The press is by the
// player to move: black when both have as many checkers.
TEST(Win, BoardsAndWhoTheNextPressMakesWin)
{
    const QString nobody;
    const QString ann = QStringLiteral("ANN");
    const QString bob = QStringLiteral("BOB");
    struct Case
    {
        const char* what;
        std::string board;
        int column;
        QString winner;
    };
    const Case cases[] = {
        {"bottom row, left end",
         "......."
         "......."
         "......."
         "......."
         "OOO...."
         "XXX....",
         3, ann},
        {"bottom row, right end",
         "......."
         "......."
         "......."
         "......."
         "...OOO."
         "...XXX.",
         6, ann},
        {"red along the bottom row",
         "......."
         "......."
         "......."
         "......."
         "X.....X"
         "XOOO..X",
         4, bob},
        {"column 1 from the bottom",
         "......."
         "......."
         "......."
         "XO....."
         "XO....."
         "XO.....",
         0, ann},
        {"column 7 up to the top row, red",
         "......."
         "......O"
         "......O"
         "......O"
         "XX....X"
         "OX....X",
         6, bob},
        {"diagonal up to the right from the bottom left",
         "......."
         "......."
         "......."
         "..XX..."
         ".XXO..."
         "XOOO..O",
         3, ann},
        {"diagonal up to the left from the bottom right",
         "......."
         "......."
         "......."
         "...XX.."
         "...OXX."
         "O..OOOX",
         3, ann},
        {"a top row completed",
         "XXX...."
         "OOXOOOX"
         "XXOXXXO"
         "OOXOOOX"
         "XXOXXXO"
         "OOXOOOX",
         3, ann},
        {"a line of five",
         "......."
         "......."
         "......."
         "......."
         "OO.OO.."
         "XX.XX..",
         2, ann},
        {"a row and a diagonal at once",
         "......."
         "......."
         "......X"
         ".....XO"
         "....XOO"
         "XXX.OOO",
         3, ann},
        {"the 42nd checker completes a line: a win, not a tie",
         "XXXOX.O"
         "OOXXOOX"
         "XXOOXOX"
         "OOXXOOX"
         "XXOOXXO"
         "OOXXOOX",
         5, bob},
        {"four cells in a row of the array, but across a row's end",
         "......."
         "......."
         "......."
         "......."
         "....XXX"
         ".OO.OOX",
         0, nobody},
        {"three and a gap",
         "......."
         "......."
         "......."
         "......."
         "OO.O..."
         "XX.X...",
         4, nobody},
    };
    for (const Case& c : cases) {
        ASSERT_EQ(c.board.size(), 42u) << c.what;
        StartedForm game;
        prepare(game.form, c.board);
        game.press(c.column);
        if (c.winner.isEmpty()) {
            EXPECT_TRUE(game.platform.boxes.empty()) << c.what << '\n' << boardPicture(game.form);
            EXPECT_EQ(game.form.moveCount, 43 - std::count(c.board.begin(), c.board.end(), '.')) << c.what;
        } else {
            EXPECT_EQ(game.platform.boxes, std::vector<Box>{winnerBox(c.winner)}) << c.what << '\n'
                                                                                  << boardPicture(game.form);
            expectFreshGame(game);
        }
    }
}

TEST(Win, WinningLineStaysOnTheBoardWhileTheBoxIsOpen)
{
    StartedForm game;
    std::string boardAtBox;
    Label statusAtBox;
    game.platform.onBox = [&](const Box&) {
        boardAtBox = boardPicture(game.form);
        statusAtBox = game.form.lblturn;
    };
    game.pressAll({0, 1, 0, 1, 0, 1, 0});
    EXPECT_EQ(boardAtBox, ".......\n"
                          ".......\n"
                          "X......\n"
                          "XO.....\n"
                          "XO.....\n"
                          "XO.....\n");
    EXPECT_EQ(statusAtBox.ForeColor, frmBrindlow::RedColor);
    expectFreshGame(game);
}

TEST(Win, NamesAndNextGameAfterRedWins)
{
    StartedForm game(QStringLiteral("ann"), QStringLiteral("Zo\u00EB b"));
    game.pressAll({0, 1, 0, 1, 6, 1, 6, 1});
    EXPECT_EQ(game.platform.boxes, std::vector<Box>{winnerBox(QStringLiteral("ZO\u00CB B"))});
    EXPECT_EQ(game.form.player2Name, QStringLiteral("Zo\u00EB b"));
    game.press(3);
    EXPECT_EQ(game.form.Shape1[38].FillColor, frmBrindlow::BlackColor);
    EXPECT_EQ(game.form.lblturn.ForeColor, frmBrindlow::RedColor);
}

// The columns to press, in order, so that alternate players fill `target` exactly.
bool findOrder(const std::string& target, frmBrindlow& form, std::vector<int>& order, char player)
{
    if (order.size() == 42)
        return true;
    for (int column = 0; column < 7; ++column) {
        int row = 5;
        while (row >= 0 && form.Shape1[row * 7 + column].FillColor != frmBrindlow::EmptyColor)
            --row;
        if (row < 0 || target[static_cast<size_t>(row * 7 + column)] != player)
            continue;
        form.Shape1[row * 7 + column].FillColor =
            player == 'X' ? frmBrindlow::BlackColor : frmBrindlow::RedColor;
        order.push_back(column);
        if (findOrder(target, form, order, player == 'X' ? 'O' : 'X'))
            return true;
        order.pop_back();
        form.Shape1[row * 7 + column].FillColor = frmBrindlow::EmptyColor;
    }
    return false;
}

TEST(Tie, FullBoardWithoutALineAsksForANewGame)
{
    ScriptedPlatform scratchPlatform;
    frmBrindlow scratch(scratchPlatform);
    std::vector<int> order;
    ASSERT_TRUE(findOrder(TieBoard, scratch, order, 'X'));

    for (const qint32 answer : {AnswerYes, AnswerNo}) {
        StartedForm game;
        game.pressAll(std::vector<int>(order.begin(), order.end() - 1));
        ASSERT_TRUE(game.platform.boxes.empty()) << boardPicture(game.form);
        game.platform.questions = {answer};
        if (answer == AnswerNo)
            game.platform.names = {QStringLiteral("Cy"), QStringLiteral("Di")};
        game.press(order.back());

        std::vector<Box> expected{tieBox(), newGameBox()};
        if (answer == AnswerNo) {
            expected.push_back(nameBox(1));
            expected.push_back(nameBox(2));
        }
        EXPECT_EQ(game.platform.boxes, expected);
        EXPECT_EQ(boardPicture(game.form), ".......\n.......\n.......\n.......\n.......\n.......\n");
        EXPECT_EQ(game.form.moveCount, 0);
        EXPECT_EQ(game.form.currentPlayer, 1);
        EXPECT_EQ(game.form.lblturn.Caption, answer == AnswerYes ? QStringLiteral("ANN'S TURN!  (BLACK)")
                                                                 : QStringLiteral("CY'S TURN!  (BLACK)"));
    }
}

TEST(EndOfClick, ChecksRunEvenWhenNothingFalls)
{
    // Boards that play cannot reach, to show that a press outside the bands or on a full column still looks.
    StartedForm lined;
    setBoard(lined.form, "......."
                         "......."
                         "......."
                         "......."
                         "......."
                         "XXXX...");
    lined.form.Form_MouseDown(1, 0, 5950.0f, 100.0f);
    EXPECT_EQ(lined.platform.boxes, std::vector<Box>{winnerBox(QStringLiteral("ANN"))});

    StartedForm full;
    setBoard(full.form, TieBoard);
    full.platform.questions = {AnswerYes};
    full.press(2);
    EXPECT_EQ(full.platform.boxes, (std::vector<Box>{tieBox(), newGameBox()}));

    StartedForm empty;
    empty.form.Form_MouseDown(1, 0, 6000.0f, 100.0f);
    EXPECT_TRUE(empty.platform.boxes.empty());
}

} // namespace
