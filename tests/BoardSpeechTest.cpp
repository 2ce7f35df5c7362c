// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player who cannot see the board hears: the cells' names and the news of a press, from the board
// alone.
#include "access/BoardSpeech.h"
#include "FormTestSupport.h"

#include <gtest/gtest.h>

namespace {

const char* const Board = ". . . . . . ."
                          ". . . . . . ."
                          ". . . . . . O"
                          ". . . . . . X"
                          ". . . . . . O"
                          "X . . O . . X";

TEST(BoardSpeech, NamesACellByColumnRowFromTheBottomAndContents)
{
    StartedForm started;
    setBoard(started.form, Board);
    const struct
    {
        int cell;
        QString name;
    } cells[] = {{35, QStringLiteral("Column 1, row 1: black")},
                 {38, QStringLiteral("Column 4, row 1: red")},
                 {41, QStringLiteral("Column 7, row 1: black")},
                 {20, QStringLiteral("Column 7, row 4: red")},
                 {0, QStringLiteral("Column 1, row 6: empty")},
                 {-1, QString()},
                 {42, QString()}};
    for (const auto& [cell, name] : cells)
        EXPECT_EQ(BoardSpeech::cellName(started.form, cell), name) << cell;
}

TEST(BoardSpeech, TellsWhereACheckerLandedOrThatTheColumnIsFull)
{
    StartedForm started;
    setBoard(started.form, Board);
    const QString turn = QStringLiteral("BOB'S TURN!  (RED)");
    const struct
    {
        int landed;
        int column;
        QString turn;
        QString news;
    } presses[] = {
        {35, 0, turn, QStringLiteral("Black in column 1, row 1. BOB'S TURN!  (RED)")},
        {20, 6, QString(), QStringLiteral("Red in column 7, row 4.")}, // the press that ends a game
        {-1, 6, turn, QStringLiteral("Column 7 is full. BOB'S TURN!  (RED)")},
        {-1, -1, turn, QString()}, // beside the columns: nothing happened
        {-1, 7, turn, QString()},
        {42, 3, turn, QStringLiteral("Column 4 is full. BOB'S TURN!  (RED)")}, // no cell: no landing
    };
    for (const auto& [landed, column, heardTurn, news] : presses)
        EXPECT_EQ(BoardSpeech::pressNews(started.form, landed, column, heardTurn), news)
            << landed << ' ' << column;
}

} // namespace
