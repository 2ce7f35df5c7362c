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

// Games played press by press; only the last press may end one.
TEST(Win, LinesInEveryDirectionAndAtTheEdges)
{
    constexpr int Nobody = 0;
    struct Case
    {
        const char* what;
        std::vector<int> columns;
        int winner;
    };
    const Case cases[] = {
        {"bottom row, left end", {0, 0, 1, 1, 2, 2, 3}, 1},
        {"bottom row, right end", {3, 3, 4, 4, 5, 5, 6}, 1},
        {"red along the bottom row", {0, 1, 0, 2, 6, 3, 6, 4}, 2},
        {"column 0 from the bottom", {0, 1, 0, 1, 0, 1, 0}, 1},
        {"column 6 up to the top row, red", {6, 0, 6, 6, 0, 6, 1, 6, 1, 6}, 2},
        {"diagonal up to the right from cell 35", {0, 1, 1, 2, 2, 3, 2, 3, 3, 6, 3}, 1},
        {"diagonal up to the left from cell 41", {6, 5, 5, 4, 4, 3, 4, 3, 3, 0, 3}, 1},
        {"cells 32 to 35 run across a row end", {6, 4, 4, 5, 5, 1, 6, 2, 0}, Nobody},
        {"three and a gap", {0, 0, 1, 1, 3, 3, 4}, Nobody},
    };
    for (const Case& c : cases) {
        StartedForm game;
        std::vector<int> opening(c.columns.begin(), c.columns.end() - 1);
        game.pressAll(opening);
        ASSERT_TRUE(game.platform.boxes.empty()) << c.what << '\n' << boardPicture(game.form);
        game.press(c.columns.back());
        const std::string board = boardPicture(game.form);
        if (c.winner == Nobody) {
            EXPECT_TRUE(game.platform.boxes.empty()) << c.what << '\n' << board;
            EXPECT_EQ(game.form.moveCount, static_cast<qint16>(c.columns.size())) << c.what;
        } else {
            const QString name = c.winner == 1 ? QStringLiteral("ANN") : QStringLiteral("BOB");
            EXPECT_EQ(game.platform.boxes, std::vector<Box>{winnerBox(name)}) << c.what;
            expectFreshGame(game);
        }
    }
}

// Boards laid out directly, for lines that are awkward to reach by play; the press is black's.
TEST(Win, ShapesOfLines)
{
    struct Case
    {
        const char* what;
        std::string board;
        int column;
        size_t winnerBoxes;
    };
    const Case cases[] = {
        {"top row completed",
         "XXX...."
         "OOXOOOX"
         "XXOXXXO"
         "OOXOOOX"
         "XXOXXXO"
         "OOXOOOX",
         3, 1},
        {"line of five",
         "......."
         "......."
         "......."
         "......."
         "OO.OO.."
         "XX.XX..",
         2, 1},
        {"row and diagonal at once",
         "......."
         "......."
         "......X"
         ".....XO"
         "....XOO"
         "XXX.OOO",
         3, 1},
    };
    for (const Case& c : cases) {
        StartedForm game;
        prepare(game.form, c.board);
        ASSERT_EQ(game.form.moveCount % 2, 0) << c.what << ": black is to move";
        game.press(c.column);
        EXPECT_EQ(game.platform.boxes, std::vector<Box>(c.winnerBoxes, winnerBox(QStringLiteral("ANN"))))
            << c.what << '\n'
            << boardPicture(game.form);
        if (c.winnerBoxes > 0)
            expectFreshGame(game);
    }
}

TEST(Win, ScanGoesOnOverTheClearedBoard)
{
    StartedForm game;
    game.pressAll({0, 0, 1, 1, 2, 2});
    game.press(3);
    ASSERT_EQ(game.platform.boxes.size(), 1u);
    // The row scan found the line; every scan still ran to its own end, and the count ran after them.
    EXPECT_EQ(game.form.scanIndex, 24);
    EXPECT_EQ(game.form.resetIndex, 42);
    EXPECT_EQ(game.form.countIndex, 42);
    EXPECT_EQ(game.form.filledCount, 0);
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

// A full board without a line: alternate rows of XXOOXXO and its opposite.
const std::string TieBoard = "XXOOXXO"
                             "OOXXOOX"
                             "XXOOXXO"
                             "OOXXOOX"
                             "XXOOXXO"
                             "OOXXOOX";

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

TEST(Tie, FortySecondCheckerCompletingALineOnlyWins)
{
    StartedForm game;
    prepare(game.form, "XXXOX.O"
                       "OOXXOOX"
                       "XXOOXOX"
                       "OOXXOOX"
                       "XXOOXXO"
                       "OOXXOOX");
    ASSERT_EQ(game.form.moveCount, 41);
    game.press(5);
    EXPECT_EQ(game.platform.boxes, std::vector<Box>{winnerBox(QStringLiteral("BOB"))});
    expectFreshGame(game);
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
