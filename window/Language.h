// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game is shown and spoken in: the player's first language that Brindlow has words for,
// else English, the words the game is written in.
#pragma once

#include <QLocale>
#include <QStringList>

namespace Language {

// Where the game's translations are looked for: beside the program (a build tree), then where they are
// installed.
QStringList folders();

// Installs the game's words, and Qt's own for the boxes' buttons, in the first of the `wanted` languages
// (BCP 47 names in the player's order, as QLocale::uiLanguages gives them) that the game has in `from`;
// English wins where the player puts it first. That language becomes the default locale, so that upper case
// follows its rules and a screen reader is told the language it hears. Gives the language shown. May be
// called again to change it.
QLocale use(const QStringList& wanted, const QStringList& from = folders());

} // namespace Language
