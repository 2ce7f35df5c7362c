// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Long random play, checked press by press against a referee that keeps its own board and finds lines its
// own way: from the checker just dropped, it counts equal neighbours in the four directions.
#include "FormTestSupport.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <random>
#include <sstream>

namespace {

struct Referee
{
    std::array<char, 42> cells;
    int moves = 0;

    Referee() { clear(); }
    void clear()
    {
        cells.fill('.');
        moves = 0;
    }

    // The cell the checker lands in, or -1 when nothing falls (a full column, or a press beside the columns).
    int drop(int column)
    {
        for (int row = 5; column < 7 && row >= 0; --row) {
            if (cells[static_cast<size_t>(row * 7 + column)] == '.') {
                cells[static_cast<size_t>(row * 7 + column)] = moves % 2 == 0 ? 'X' : 'O';
                ++moves;
                return row * 7 + column;
            }
        }
        return -1;
    }

    char at(int row, int column) const
    {
        if (row < 0 || row > 5 || column < 0 || column > 6)
            return '\0';
        return cells[static_cast<size_t>(row * 7 + column)];
    }

    bool lineThrough(int cell) const
    {
        const int row = cell / 7;
        const int column = cell % 7;
        const char colour = at(row, column);
        const int directions[4][2] = {{0, 1}, {1, 0}, {1, 1}, {1, -1}};
        for (const auto& d : directions) {
            int run = 1;
            for (int sign : {1, -1}) {
                for (int step = 1; at(row + sign * step * d[0], column + sign * step * d[1]) == colour;
                     ++step)
                    ++run;
            }
            if (run >= 4)
                return true;
        }
        return false;
    }

    std::string picture() const
    {
        std::string text;
        for (int cell = 0; cell < 42; ++cell) {
            text += cells[static_cast<size_t>(cell)];
            if (cell % 7 == 6)
                text += '\n';
        }
        return text;
    }
};

// The five things that hold whenever no handler runs; empty text when they all do. `shown1` and `shown2` are
// the names as the status line shows them.
std::string brokenInvariant(const frmBrindlow& form, const QString& shown1, const QString& shown2)
{
    int black = 0;
    int red = 0;
    for (int cell = 0; cell < 42; ++cell) {
        const quint32 colour = form.Shape1[cell].FillColor;
        black += colour == frmBrindlow::BlackColor;
        red += colour == frmBrindlow::RedColor;
        if (colour != frmBrindlow::EmptyColor && cell < 35 &&
            form.Shape1[cell + 7].FillColor == frmBrindlow::EmptyColor)
            return "cell " + std::to_string(cell) + " floats";
    }
    const int moves = form.moveCount;
    if (moves != black + red)
        return "moveCount " + std::to_string(moves) + " but " + std::to_string(black + red) + " filled cells";
    if (black != (moves + 1) / 2 || red != moves / 2)
        return std::to_string(black) + " black and " + std::to_string(red) + " red after " +
               std::to_string(moves);
    if (form.currentPlayer != (moves == 0 || moves % 2 == 1 ? 1 : 2))
        return "currentPlayer " + std::to_string(form.currentPlayer) + " after " + std::to_string(moves);
    const Label expected = moves % 2 == 0
                               ? Label{shown1 + QStringLiteral("'S TURN!  (BLACK)"), frmBrindlow::BlackColor}
                               : Label{shown2 + QStringLiteral("'S TURN!  (RED)"), frmBrindlow::RedColor};
    if (form.lblturn != expected)
        return "status line \"" + form.lblturn.Caption.toStdString() + "\" after " + std::to_string(moves);
    return {};
}

struct Name
{
    QString typed;
    QString stored;
    QString shown;
};

const std::vector<Name>& namePool()
{
    static const std::vector<Name> pool = {
        {QStringLiteral("Ann"), QStringLiteral("Ann"), QStringLiteral("ANN")},
        {QStringLiteral("  bob  "), QStringLiteral("  bob  "), QStringLiteral("  BOB  ")},
        {QStringLiteral("abcdefghijklmnopq"), QStringLiteral("abcdefghijkl"), QStringLiteral("ABCDEFGHIJKL")},
        {QStringLiteral("\U0001F600").repeated(13), QStringLiteral("\U0001F600").repeated(12),
         QStringLiteral("\U0001F600").repeated(12)},
        {QStringLiteral("Zo\u00EB \u00DF"), QStringLiteral("Zo\u00EB \u00DF"), QStringLiteral("ZO\u00CB SS")},
        {QStringLiteral("\u05E9\u05DC\u05D5\u05DD"), QStringLiteral("\u05E9\u05DC\u05D5\u05DD"),
         QStringLiteral("\u05E9\u05DC\u05D5\u05DD")},
        {QStringLiteral("<b>x</b>"), QStringLiteral("<b>x</b>"), QStringLiteral("<B>X</B>")},
    };
    return pool;
}

qint64 environmentNumber(const char* name, qint64 fallback)
{
    const char* text = std::getenv(name);
    return text != nullptr && *text != '\0' ? std::strtoll(text, nullptr, 10) : fallback;
}

// BRINDLOW_SOAK_PRESSES makes the run longer; BRINDLOW_SEED replays one.
TEST(RandomPlay, EveryPressAgreesWithTheReferee)
{
    const qint64 presses = environmentNumber("BRINDLOW_SOAK_PRESSES", 100000);
    const auto seed = static_cast<std::uint64_t>(environmentNumber("BRINDLOW_SEED", 20261208));
    std::mt19937_64 random(seed);
    const auto& pool = namePool();
    std::uniform_int_distribution<size_t> pick(0, pool.size() - 1);

    ScriptedPlatform platform;
    frmBrindlow form(platform);
    Name first = pool[pick(random)];
    Name second = pool[pick(random)];
    platform.names = {QString(), first.typed, QStringLiteral("   "), second.typed};
    form.Form_Load();
    ASSERT_EQ(form.player1Name, first.stored);
    ASSERT_EQ(form.player2Name, second.stored);

    Referee referee;
    std::ostringstream game; // the presses since the board was last cleared
    qint64 wins = 0;
    qint64 ties = 0;
    for (qint64 press = 0; press < presses; ++press) {
        const bool keepNames = random() % 2 == 0;
        const Name newFirst = pool[pick(random)];
        const Name newSecond = pool[pick(random)];
        platform.boxes.clear();
        platform.questions = {keepNames ? AnswerYes : AnswerNo};
        platform.names = {QStringLiteral(" "), newFirst.typed, newSecond.typed};

        std::vector<Box> expected;
        // The New Game flow, from the menu or after a tie: the question, and on No both names again.
        auto newGame = [&] {
            expected.push_back(newGameBox());
            if (!keepNames) {
                expected.insert(expected.end(), {nameBox(1), nameBox(1), nameBox(2)});
                first = newFirst;
                second = newSecond;
            }
            referee.clear();
        };

        if (random() % 500 == 0) {
            game << "[New Game] ";
            form.mnuNewGame_Click();
            newGame();
        } else {
            // Anywhere in a column's band, or beside the columns (column 7).
            const int column = static_cast<int>(random() % 8);
            const float x =
                bandMiddle(column) + std::uniform_real_distribution<float>(-424.0f, 424.0f)(random);
            game << x << ' ';
            const QString mover = referee.moves % 2 == 0 ? first.shown : second.shown;
            form.Form_MouseDown(static_cast<qint16>(1 << (random() % 3)), static_cast<qint16>(random() % 8),
                                x, std::uniform_real_distribution<float>(0.0f, 4980.0f)(random));
            const int cell = referee.drop(column);
            if (cell >= 0 && referee.lineThrough(cell)) {
                expected.push_back(winnerBox(mover));
                referee.clear();
                ++wins;
            } else if (referee.moves == 42) {
                expected.push_back(tieBox());
                newGame();
                ++ties;
            }
        }

        const std::string replay = "seed " + std::to_string(seed) + ", press " + std::to_string(press) +
                                   ", presses of this game: " + game.str() + "\nreferee:\n" +
                                   referee.picture() + "game:\n" + boardPicture(form);
        ASSERT_EQ(platform.boxes, expected) << replay;
        ASSERT_EQ(boardPicture(form), referee.picture()) << replay;
        ASSERT_EQ(brokenInvariant(form, first.shown, second.shown), "") << replay;
        ASSERT_EQ(form.player1Name, first.stored) << replay;
        ASSERT_EQ(form.player2Name, second.stored) << replay;
        if (!expected.empty())
            game.str({});
        // Help boxes now and then: they must leave everything as it was, which the next step checks.
        if (random() % 500 == 0) {
            form.mnuRules_Click();
            form.mnuAbout_Click();
        }
    }
    // Random presses must have reached both endings, or the run proved little.
    EXPECT_GT(wins, presses / 100);
    EXPECT_GT(ties, 0);
    RecordProperty("wins", std::to_string(wins));
    RecordProperty("ties", std::to_string(ties));
}

} // namespace
