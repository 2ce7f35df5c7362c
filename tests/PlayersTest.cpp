// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, New Game, Exit and the Help boxes: every box in order, and what each leaves behind.
#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

namespace {

TEST(Players, NamePromptsAskUntilANameHoldsMoreThanBlanks)
{
    struct Case
    {
        const char* what;
        std::deque<QString> typed; // player 1's answers, then "Bob" for player 2
        QString stored;
        int player1Prompts;
        QString caption;
    };
    const QString twelveBlanks(12, u' ');
    const Case cases[] = {
        {"plain", {QStringLiteral("Ann")}, QStringLiteral("Ann"), 1, QStringLiteral("ANN'S TURN!  (BLACK)")},
        {"cancel, then a name",
         {QString(), QStringLiteral("Ann")},
         QStringLiteral("Ann"),
         2,
         QStringLiteral("ANN'S TURN!  (BLACK)")},
        {"blanks only are refused",
         {QStringLiteral("   "), QString(), QStringLiteral(" a ")},
         QStringLiteral(" a "),
         3,
         QStringLiteral(" A 'S TURN!  (BLACK)")},
        {"leading blanks kept",
         {QStringLiteral("  ann")},
         QStringLiteral("  ann"),
         1,
         QStringLiteral("  ANN'S TURN!  (BLACK)")},
        {"seventeen cut to twelve",
         {QStringLiteral("abcdefghijk lmnop")},
         QStringLiteral("abcdefghijk "),
         1,
         QStringLiteral("ABCDEFGHIJK 'S TURN!  (BLACK)")},
        {"twelve blanks and a letter",
         {twelveBlanks + QStringLiteral("z")},
         twelveBlanks,
         1,
         twelveBlanks + QStringLiteral("'S TURN!  (BLACK)")},
        {"a tab is not a blank",
         {QStringLiteral("\t")},
         QStringLiteral("\t"),
         1,
         QStringLiteral("\t'S TURN!  (BLACK)")},
        {"same name as player 2",
         {QStringLiteral("Bob")},
         QStringLiteral("Bob"),
         1,
         QStringLiteral("BOB'S TURN!  (BLACK)")},
    };
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        frmBrindlow form(platform);
        platform.names = c.typed;
        platform.names.push_back(QStringLiteral("Bob"));
        form.Form_Load();

        std::vector<Box> expected(static_cast<size_t>(c.player1Prompts), nameBox(1));
        expected.push_back(nameBox(2));
        EXPECT_EQ(platform.boxes, expected) << c.what;
        EXPECT_EQ(form.player1Name, c.stored) << c.what;
        EXPECT_EQ(form.player2Name, QStringLiteral("Bob")) << c.what;
        EXPECT_EQ(form.lblturn, (Label{c.caption, frmBrindlow::BlackColor})) << c.what;
        EXPECT_EQ(form.moveCount, 0);
        EXPECT_EQ(form.currentPlayer, 1);
    }
}

TEST(Players, PlayerTwoIsAskedOnlyOnceOneHasAName)
{
    ScriptedPlatform platform;
    frmBrindlow form(platform);
    platform.names = {QString(), QString(),           QStringLiteral("Ann"),
                      QString(), QStringLiteral(" "), QStringLiteral("Bob")};
    form.Form_Load();
    EXPECT_EQ(platform.boxes,
              (std::vector<Box>{nameBox(1), nameBox(1), nameBox(1), nameBox(2), nameBox(2), nameBox(2)}));
}

TEST(Players, NamesSurviveWins)
{
    StartedForm game(QStringLiteral("ann lee"), QStringLiteral("b"));
    for (int round = 0; round < 3; ++round)
        game.pressAll({0, 1, 0, 1, 0, 1, 0});
    EXPECT_EQ(game.platform.boxes, std::vector<Box>(3, winnerBox(QStringLiteral("ANN LEE"))));
    EXPECT_EQ(game.form.player1Name, QStringLiteral("ann lee"));
    EXPECT_EQ(game.form.player2Name, QStringLiteral("b"));
}

TEST(NewGame, BoardIsClearedBeforeTheQuestion)
{
    for (const qint32 answer : {AnswerYes, AnswerNo}) {
        StartedForm game;
        game.pressAll({2, 3, 3});
        const Label statusBefore = game.form.lblturn;
        std::string boardAtQuestion;
        Label statusAtQuestion;
        game.platform.onBox = [&](const Box& box) {
            if (box == newGameBox()) {
                boardAtQuestion = boardPicture(game.form);
                statusAtQuestion = game.form.lblturn;
            }
        };
        game.platform.questions = {answer};
        game.platform.names = {QString(), QStringLiteral("Cy"), QStringLiteral("Di")};
        game.form.mnuNewGame_Click();

        EXPECT_EQ(boardAtQuestion, ".......\n.......\n.......\n.......\n.......\n.......\n");
        EXPECT_EQ(statusAtQuestion, statusBefore);
        EXPECT_EQ(game.form.keepNamesAnswer, answer);
        EXPECT_EQ(game.form.moveCount, 0);
        EXPECT_EQ(game.form.currentPlayer, 1);
        if (answer == AnswerYes) {
            EXPECT_EQ(game.platform.boxes, std::vector<Box>{newGameBox()});
            EXPECT_EQ(game.form.player1Name, QStringLiteral("Ann"));
            EXPECT_EQ(game.form.lblturn,
                      (Label{QStringLiteral("ANN'S TURN!  (BLACK)"), frmBrindlow::BlackColor}));
        } else {
            EXPECT_EQ(game.platform.boxes,
                      (std::vector<Box>{newGameBox(), nameBox(1), nameBox(1), nameBox(2)}));
            EXPECT_EQ(game.form.player1Name, QStringLiteral("Cy"));
            EXPECT_EQ(game.form.player2Name, QStringLiteral("Di"));
            EXPECT_EQ(game.form.lblturn,
                      (Label{QStringLiteral("CY'S TURN!  (BLACK)"), frmBrindlow::BlackColor}));
        }
    }
}

TEST(NewGame, NoAsksForBothNamesEvenWhenTheyAreTheSame)
{
    StartedForm game;
    game.platform.questions = {AnswerNo};
    game.platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    game.form.mnuNewGame_Click();
    EXPECT_EQ(game.platform.boxes, (std::vector<Box>{newGameBox(), nameBox(1), nameBox(2)}));
}

TEST(NewGame, AnUnexpectedAnswerStillLeavesAConsistentStatusLine)
{
    StartedForm game;
    game.press(0);
    game.platform.questions = {2};
    game.form.mnuNewGame_Click();
    EXPECT_EQ(game.form.lblturn, (Label{QStringLiteral("ANN'S TURN!  (BLACK)"), frmBrindlow::BlackColor}));
    EXPECT_EQ(game.platform.boxes, std::vector<Box>{newGameBox()});
}

TEST(Exit, EndsAtOnceWithoutAQuestion)
{
    StartedForm game;
    game.pressAll({1, 2});
    const std::string board = boardPicture(game.form);
    EXPECT_THROW(game.form.mnuExit_Click(), ProgramEnded);
    EXPECT_TRUE(game.platform.ended);
    EXPECT_TRUE(game.platform.boxes.empty());
    EXPECT_EQ(boardPicture(game.form), board);
}

TEST(Help, RulesAndAboutShowTheirTextsAndTouchNothing)
{
    const QString rules =
        QStringLiteral("The two players alternate turns, with the starting player controlling\r\n"
                       "the black checkers.  The first player to form a horizontal, vertical,\r\n"
                       "or diagonal line of four checkers of the same color is the winner.\r\n"
                       "To place a checker in a particular column, click anywhere in that\r\n"
                       "column.  Checkers will always fall as far as possible down each\r\n"
                       "column.");
    StartedForm game;
    game.pressAll({3, 4, 3});
    const auto shapes = game.form.Shape1;
    const Label status = game.form.lblturn;

    game.form.mnuRules_Click();
    game.form.mnuAbout_Click();

    ASSERT_EQ(game.platform.boxes.size(), 2u);
    EXPECT_EQ(game.platform.boxes[0], (Box{rules, ButtonsOk, QStringLiteral("Rules of the Game")}));
    const Box& about = game.platform.boxes[1];
    EXPECT_EQ(about.buttons, ButtonsOkInformation);
    EXPECT_EQ(about.title, QStringLiteral("About the Program"));
    const QStringList lines = about.prompt.split(QStringLiteral("\r\n"));
    ASSERT_EQ(lines.size(), 4) << about.prompt.toStdString();
    EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" and")));
    const QRegularExpression dated(QStringLiteral("^.+, (January|February|March|April|May|June|July|August|"
                                                  "September|October|November|December), \\d{4}\\.$"));
    EXPECT_TRUE(dated.match(lines[1]).hasMatch()) << lines[1].toStdString();
    EXPECT_TRUE(lines[2].isEmpty());
    EXPECT_TRUE(dated.match(lines[3]).hasMatch()) << lines[3].toStdString();
    EXPECT_FALSE(about.prompt.contains(u'\n') && about.prompt.count(u'\n') != about.prompt.count(u'\r'));

    EXPECT_EQ(game.form.Shape1, shapes);
    EXPECT_EQ(game.form.lblturn, status);
    EXPECT_EQ(game.form.moveCount, 3);
    EXPECT_EQ(game.form.currentPlayer, 1);
}

} // namespace
