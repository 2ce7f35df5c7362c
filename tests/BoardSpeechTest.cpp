// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// What a player who cannot see the board hears: the cells' names, from the board alone.
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

} // namespace
