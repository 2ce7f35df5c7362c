// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The few text operations the game applies to the players' names.
#include "TextOps.h"

#include <QLocale>
#include <QTextBoundaryFinder>

namespace TextOps {

QString trimSpaces(const QString& text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text.at(first) == u' ')
        ++first;
    while (last > first && text.at(last - 1) == u' ')
        --last;
    return text.mid(first, last - first);
}

namespace {

// Position just after the `count`-th character, or the text's size when it has fewer.
qsizetype endOfCharacters(const QString& text, qsizetype count)
{
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype seen = 0;
    qsizetype position = 0;
    while (seen < count) {
        position = finder.toNextBoundary();
        if (position < 0)
            return text.size();
        ++seen;
    }
    return position;
}

} // namespace

QString leftCharacters(const QString& text, qsizetype count)
{
    if (count <= 0)
        return QString();
    return text.left(endOfCharacters(text, count));
}

QString upperCase(const QString& text)
{
    const QLocale shown;
    if (shown.language() == QLocale::English || shown.language() == QLocale::C)
        return text.toUpper();
    return shown.toUpper(text);
}

} // namespace TextOps
