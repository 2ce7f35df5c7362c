// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The players' names: asked for until the answer holds more than blanks, cut to their first twelve
// characters as a reader counts them (never inside one), and shown upper-cased in the status line and the
// winner's box, whatever is typed.
#include "FormTestSupport.h"

#include <gtest/gtest.h>

namespace {

TEST(Names, PromptsAskUntilTheAnswerHoldsMoreThanBlanks)
{
    struct Case
    {
        const char* what;
        std::deque<QString> typed; // every answer, player 1's prompts first
        int player1Prompts;
        QString player1;
        QString player2;
    };
    const QString bob = QStringLiteral("Bob");
    const Case cases[] = {
        {"plain", {QStringLiteral("Ann"), bob}, 1, QStringLiteral("Ann"), bob},
        {"cancel, then a name", {QString(), QStringLiteral("Ann"), bob}, 2, QStringLiteral("Ann"), bob},
        {"blanks only are refused, however many",
         {QStringLiteral(" "), QStringLiteral("   "), QString(2000, u' '), QStringLiteral(" a "), bob},
         4,
         QStringLiteral(" a "),
         bob},
        {"a tab is no blank", {QStringLiteral("\t"), bob}, 1, QStringLiteral("\t"), bob},
        {"a no-break space is no blank", {QStringLiteral("\u00A0"), bob}, 1, QStringLiteral("\u00A0"), bob},
        {"a line break is no blank", {QStringLiteral(" \n "), bob}, 1, QStringLiteral(" \n "), bob},
        {"player 2 is asked again too",
         {QStringLiteral("Ann"), QString(), QStringLiteral(" "), bob},
         1,
         QStringLiteral("Ann"),
         bob},
        {"the same name twice", {bob, bob}, 1, bob, bob},
    };
    for (const Case& c : cases) {
        ScriptedPlatform platform;
        frmBrindlow form(platform);
        platform.names = c.typed;
        form.Form_Load();
        std::vector<Box> expected(static_cast<size_t>(c.player1Prompts), nameBox(1));
        expected.resize(c.typed.size(), nameBox(2));
        EXPECT_EQ(platform.boxes, expected) << c.what;
        EXPECT_EQ(form.player1Name, c.player1) << c.what;
        EXPECT_EQ(form.player2Name, c.player2) << c.what;
    }
}

TEST(Names, AreCutToTwelveCharactersAndShownUpperCased)
{
    const QString smile = QStringLiteral("\U0001F600");
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
    const QString flags = QStringLiteral("\U0001F1EB\U0001F1F7\U0001F1EF\U0001F1F5"); // two flags
    const QString thumb = QStringLiteral("\U0001F44D\U0001F3FD");
    const QString accented = QStringLiteral("e\u0301\u0323");
    const QString hebrew13 =
        QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD \u05D8\u05D5\u05D1");
    QString paste;
    for (int i = 0; i < 32767; ++i)
        paste += QChar(u'a' + i % 26);
    struct Case
    {
        const char* what;
        QString typed;
        QString stored;
        QString shown;
    };
    const Case cases[] = {
        {"short", QStringLiteral("ann lee"), QStringLiteral("ann lee"), QStringLiteral("ANN LEE")},
        {"twelve letters, the longest caption", QStringLiteral("abcdefghijkl"),
         QStringLiteral("abcdefghijkl"), QStringLiteral("ABCDEFGHIJKL")},
        {"seventeen", QStringLiteral("abcdefghijk lmnop"), QStringLiteral("abcdefghijk "),
         QStringLiteral("ABCDEFGHIJK ")},
        {"leading blanks kept", QStringLiteral("  ann"), QStringLiteral("  ann"), QStringLiteral("  ANN")},
        {"twelve blanks and a letter", QString(12, u' ') + u'z', QString(12, u' '), QString(12, u' ')},
        {"32,767-character paste", paste, QStringLiteral("abcdefghijkl"), QStringLiteral("ABCDEFGHIJKL")},
        {"emoji", smile.repeated(13), smile.repeated(12), smile.repeated(12)},
        {"emoji joined into one", family.repeated(14), family.repeated(12), family.repeated(12)},
        {"flags", flags.repeated(7), flags.repeated(6), flags.repeated(6)},
        {"skin tones", thumb.repeated(13), thumb.repeated(12), thumb.repeated(12)},
        {"combining accents", accented.repeated(13), accented.repeated(12),
         QStringLiteral("E\u0301\u0323").repeated(12)},
        {"an accented twelfth letter", QStringLiteral("abcdefghijk") + accented + u'z',
         QStringLiteral("abcdefghijk") + accented, QStringLiteral("ABCDEFGHIJKE\u0301\u0323")},
        {"joined emoji as twelfth", QStringLiteral("abcdefghijk") + family,
         QStringLiteral("abcdefghijk") + family, QStringLiteral("ABCDEFGHIJK") + family},
        {"a lone surrogate after twelve emoji", smile.repeated(12) + QChar(0xD83D), smile.repeated(12),
         smile.repeated(12)},
        {"right to left", hebrew13, hebrew13.left(12), hebrew13.left(12)},
        {"direction overrides", QStringLiteral("\u202Eevil\u202C name"),
         QStringLiteral("\u202Eevil\u202C name"), QStringLiteral("\u202EEVIL\u202C NAME")},
        {"control characters", QStringLiteral("a\u0007b\u001Bc\r\nd") + QChar(0) + u'e',
         QStringLiteral("a\u0007b\u001Bc\r\nd") + QChar(0) + u'e',
         QStringLiteral("A\u0007B\u001BC\r\nD") + QChar(0) + u'E'},
        {"markup", QStringLiteral("<b>bold</b>&amp;"), QStringLiteral("<b>bold</b>&"),
         QStringLiteral("<B>BOLD</B>&")},
        {"lone surrogates (Qt upper-cases a lone low one to U+FFFD)",
         QChar(0xD800) + QStringLiteral("x") + QChar(0xDC00),
         QChar(0xD800) + QStringLiteral("x") + QChar(0xDC00),
         QChar(0xD800) + QStringLiteral("X") + QChar(0xFFFD)},
        {"sharp s and a ligature", QStringLiteral("stra\u00DFe \uFB01"), QStringLiteral("stra\u00DFe \uFB01"),
         QStringLiteral("STRASSE FI")},
        {"dotless and dotted i", QStringLiteral("\u0131i\u0130"), QStringLiteral("\u0131i\u0130"),
         QStringLiteral("II\u0130")},
        {"diaeresis", QStringLiteral("Zo\u00EB b"), QStringLiteral("Zo\u00EB b"),
         QStringLiteral("ZO\u00CB B")},
    };
    for (const Case& c : cases) {
        StartedForm game(c.typed, QStringLiteral("Bob"));
        EXPECT_EQ(game.form.player1Name, c.stored) << c.what;
        EXPECT_EQ(game.form.lblturn.Caption, c.shown + QStringLiteral("'S TURN!  (BLACK)")) << c.what;
        game.pressAll({0, 1, 0, 1, 0, 1, 0});
        EXPECT_EQ(game.platform.boxes, std::vector<Box>{winnerBox(c.shown)}) << c.what;
        EXPECT_EQ(game.form.player1Name, c.stored) << c.what << ": a win keeps the names";
    }
}

} // namespace
