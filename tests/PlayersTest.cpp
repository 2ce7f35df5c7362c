// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Start-up, New Game, Exit and the Help boxes: every box in order, and what each leaves behind.
#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QRegularExpression>

namespace {

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
        game.platform.names = {QStringLiteral("Cy"),
                               QStringLiteral("Bob")}; // both asked anew, even one unchanged
        game.form.mnuNewGame_Click();

        EXPECT_EQ(boardAtQuestion, ".......\n.......\n.......\n.......\n.......\n.......\n");
        EXPECT_EQ(statusAtQuestion, statusBefore);
        EXPECT_EQ(game.form.keepNamesAnswer, answer);
        EXPECT_EQ(game.form.moveCount, 0);
        EXPECT_EQ(game.form.currentPlayer, 1);
        const bool kept = answer == AnswerYes;
        const std::vector<Box> boxes =
            kept ? std::vector<Box>{newGameBox()} : std::vector<Box>{newGameBox(), nameBox(1), nameBox(2)};
        EXPECT_EQ(game.platform.boxes, boxes);
        EXPECT_EQ(game.form.player1Name, kept ? QStringLiteral("Ann") : QStringLiteral("Cy"));
        EXPECT_EQ(game.form.player2Name, QStringLiteral("Bob"));
        EXPECT_EQ(game.form.lblturn, (Label{kept ? QStringLiteral("ANN'S TURN!  (BLACK)")
                                                 : QStringLiteral("CY'S TURN!  (BLACK)"),
                                            frmBrindlow::BlackColor}));
    }
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
    StartedForm game;
    game.pressAll({3, 4, 3});
    const auto shapes = game.form.Shape1;
    const Label status = game.form.lblturn;

    game.form.mnuRules_Click();
    game.form.mnuAbout_Click();

    ASSERT_EQ(game.platform.boxes.size(), 2u);
    const Box& rules = game.platform.boxes[0];
    EXPECT_EQ(rules.buttons, ButtonsOk);
    EXPECT_EQ(rules.title, QStringLiteral("Rules of the Game"));
    // resources/rules.txt is the wording the Orca script and the manual page check against.
    QFile worded(QStringLiteral(BRINDLOW_SOURCE_DIR "/resources/rules.txt"));
    ASSERT_TRUE(worded.open(QIODevice::ReadOnly));
    EXPECT_EQ(rules.prompt.split(QStringLiteral("\r\n")),
              QString::fromUtf8(worded.readAll()).trimmed().split(u'\n'));
    EXPECT_EQ(rules.prompt.count(u'\n'), 5);
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
