// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Names that try to break the game: each is stored uncorrupted, cut only between characters, and shown
// upper-cased as Qt upper-cases it, in the status line and in the winner's box.
#include "FormTestSupport.h"
#include "platform/TextOps.h"

#include <QTextBoundaryFinder>

#include <gtest/gtest.h>

namespace {

struct Hostile
{
    const char* what;
    QString typed;
};

std::vector<Hostile> hostileNames()
{
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
    QString paste;
    for (int i = 0; i < 32767; ++i)
        paste += QChar(u'a' + i % 26);
    return {
        {"tab", QStringLiteral("\t")},
        {"tabs around a name", QStringLiteral("\tann\t")},
        {"emoji", QStringLiteral("\U0001F600\U0001F601\U0001F602")},
        {"joined family", family.repeated(14)},
        {"flags", QStringLiteral("\U0001F1EB\U0001F1F7\U0001F1EF\U0001F1F5").repeated(7)},
        {"skin tones", QStringLiteral("\U0001F44D\U0001F3FD").repeated(13)},
        {"combining accents",
         QStringLiteral(
             "Zalgo\u0301\u0302\u0303\u0304\u0305 e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301e\u0301")},
        {"right to left", QStringLiteral("\u0645\u0631\u062D\u0628\u0627 \u05E9\u05DC\u05D5\u05DD")},
        {"direction overrides", QStringLiteral("\u202Eevil\u202C name")},
        {"32,767-character paste", paste},
        {"control characters", QStringLiteral("a\u0007b\u001Bc\r\nd\u0000e")},
        {"markup", QStringLiteral("<b>bold</b>&amp;")},
        {"lone surrogates", QString(QChar(0xD800)) + QStringLiteral("x") + QChar(0xDC00)},
        {"sharp s and ligature", QStringLiteral("stra\u00DFe \uFB01")},
        {"dotless and dotted i", QStringLiteral("\u0131i\u0130")},
    };
}

bool endsBetweenCharacters(const QString& typed, qsizetype position)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, typed);
    finder.setPosition(position);
    return finder.isAtBoundary();
}

TEST(HostileNames, AreStoredWholeOrCutBetweenCharacters)
{
    for (const Hostile& name : hostileNames()) {
        StartedForm game(name.typed, QStringLiteral("Bob"));
        const QString& stored = game.form.player1Name;
        EXPECT_TRUE(name.typed.startsWith(stored)) << name.what;
        EXPECT_TRUE(endsBetweenCharacters(name.typed, stored.size())) << name.what;
        EXPECT_EQ(TextOps::characterCount(stored),
                  std::min<qsizetype>(12, TextOps::characterCount(name.typed)))
            << name.what;
        EXPECT_EQ(game.form.lblturn.Caption, (stored + QStringLiteral("'s turn!  (Black)")).toUpper())
            << name.what;
    }
}

TEST(HostileNames, WinnerBoxShowsTheUpperCasedName)
{
    for (const Hostile& name : hostileNames()) {
        StartedForm game(QStringLiteral("Ann"), name.typed);
        game.pressAll({6, 0, 6, 0, 6, 0, 1, 0});
        ASSERT_EQ(game.platform.boxes.size(), 1u) << name.what;
        EXPECT_EQ(game.platform.boxes[0], winnerBox(game.form.player2Name.toUpper())) << name.what;
        EXPECT_EQ(game.form.lblturn.Caption, QStringLiteral("ANN'S TURN!  (BLACK)")) << name.what;
    }
}

TEST(HostileNames, BlanksAndNothingAreAskedForAgain)
{
    ScriptedPlatform platform;
    frmBrindlow form(platform);
    platform.names = {QString(), QStringLiteral(" "), QString(2000, u' '), QStringLiteral("\u00A0"),
                      QStringLiteral("Bob")};
    form.Form_Load();
    EXPECT_EQ(platform.boxes, (std::vector<Box>{nameBox(1), nameBox(1), nameBox(1), nameBox(1), nameBox(2)}));
    EXPECT_EQ(form.player1Name, QStringLiteral("\u00A0")) << "only U+0020 counts as a blank";
}

} // namespace
