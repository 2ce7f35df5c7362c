// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The few text operations the game applies to the players' names.
#pragma once

#include <QString>

namespace TextOps {

// Removes leading and trailing blanks (U+0020) only; tabs and other white space stay.
QString trimSpaces(const QString& text);

// The first `count` characters as a reader counts them (an emoji sequence or a letter with its accents is
// one), or the whole text when it is shorter.
// The cut never falls inside a character.
QString leftCharacters(const QString& text, qsizetype count);

// Upper case by the rules of the language shown (the default locale: Turkish "i" becomes "İ"); in English as
// Qt converts it without a locale (full case mapping: "ß" becomes "SS").
QString upperCase(const QString& text);

} // namespace TextOps
