// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Trimming, counting and cutting names as a reader counts characters.
#include "platform/TextOps.h"

#include <gtest/gtest.h>

namespace {

QString repeated(const QString& piece, int times)
{
    return piece.repeated(times);
}

TEST(TextOps, TrimRemovesOnlyLeadingAndTrailingBlanks)
{
    struct Case
    {
        QString text;
        QString trimmed;
    };
    const Case cases[] = {
        {QString(), QString()},
        {QStringLiteral("     "), QString()},
        {QStringLiteral("  ann  "), QStringLiteral("ann")},
        {QStringLiteral("a  b"), QStringLiteral("a  b")},
        {QStringLiteral("\tann\t"), QStringLiteral("\tann\t")},
        {QStringLiteral(" \u00A0x\u00A0 "), QStringLiteral("\u00A0x\u00A0")},
        {QStringLiteral(" \n "), QStringLiteral("\n")},
    };
    for (const Case& c : cases)
        EXPECT_EQ(TextOps::trimSpaces(c.text), c.trimmed) << c.text.toStdString();
}

TEST(TextOps, CutKeepsWholeCharacters)
{
    const QString family = QStringLiteral("\U0001F468\u200D\U0001F469\u200D\U0001F467\u200D\U0001F466");
    const QString flag = QStringLiteral("\U0001F1EB\U0001F1F7");
    const QString accented = QStringLiteral("e\u0301\u0323");
    const QString smile = QStringLiteral("\U0001F600");
    struct Case
    {
        const char* what;
        QString text;
        QString firstTwelve;
        qsizetype characters;
    };
    const Case cases[] = {
        {"empty", QString(), QString(), 0},
        {"short", QStringLiteral("Ann"), QStringLiteral("Ann"), 3},
        {"seventeen", QStringLiteral("abcdefghijk lmnop"), QStringLiteral("abcdefghijk "), 17},
        {"emoji", repeated(smile, 13), repeated(smile, 12), 13},
        {"joined emoji", repeated(family, 13), repeated(family, 12), 13},
        {"flags", repeated(flag, 14), repeated(flag, 12), 14},
        {"combining accents", repeated(accented, 13), repeated(accented, 12), 13},
        {"accent as twelfth", QStringLiteral("abcdefghijk") + accented + QStringLiteral("z"),
         QStringLiteral("abcdefghijk") + accented, 13},
        {"emoji after eleven", QStringLiteral("abcdefghijk") + family, QStringLiteral("abcdefghijk") + family,
         12},
        {"right to left",
         QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD \u05D8\u05D5\u05D1"),
         QStringLiteral("\u05E9\u05DC\u05D5\u05DD \u05E2\u05D5\u05DC\u05DD \u05D8\u05D5"), 13},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TextOps::leftCharacters(c.text, 12), c.firstTwelve) << c.what;
        EXPECT_EQ(TextOps::characterCount(c.text), c.characters) << c.what;
    }
    EXPECT_EQ(TextOps::leftCharacters(QStringLiteral("abc"), 0), QString());
}

TEST(TextOps, CutNeverLeavesHalfASurrogatePair)
{
    // A lone high surrogate at the end is a broken character of its own; the cut must not split the pairs
    // before it.
    const QString text = QStringLiteral("\U0001F600").repeated(12) + QChar(0xD83D);
    const QString cut = TextOps::leftCharacters(text, 12);
    EXPECT_EQ(cut.size(), 24);
    EXPECT_TRUE(cut.back().isLowSurrogate());
}

TEST(TextOps, UpperCaseFollowsQt)
{
    EXPECT_EQ(TextOps::upperCase(QStringLiteral("ann 2 b.")), QStringLiteral("ANN 2 B."));
    EXPECT_EQ(TextOps::upperCase(QStringLiteral("stra\u00DFe")), QStringLiteral("STRASSE"));
    EXPECT_EQ(TextOps::upperCase(QStringLiteral("\u00E9lo\u00EFse")), QStringLiteral("\u00C9LO\u00CFSE"));
}

} // namespace
