// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The language the game is shown and spoken in.
#include "window/Language.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QTranslator>

namespace {

//: Write RTL for a language written from right to left, LTR otherwise: it sets the direction of the menus,
//: the status line and the boxes. The board is a picture and keeps its columns in every language.
[[maybe_unused]] const char* const Direction = QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION");

bool isEnglish(const QLocale& language)
{
    return language.language() == QLocale::English || language.language() == QLocale::C;
}

} // namespace

QStringList Language::folders()
{
    return {QCoreApplication::applicationDirPath() + QStringLiteral("/translations"),
            QStringLiteral(BRINDLOW_TRANSLATIONS_DIR)};
}

QLocale Language::use(const QStringList& wanted, const QStringList& from)
{
    static QTranslator game;
    static QTranslator toolkit;
    QCoreApplication::removeTranslator(&game);
    QCoreApplication::removeTranslator(&toolkit);
    bool found = false;
    for (const QString& name : wanted) {
        if (isEnglish(QLocale(name)))
            break;
        for (const QString& folder : from) {
            found = game.load(QLocale(name), QStringLiteral("brindlow"), QStringLiteral("_"), folder);
            if (found)
                break;
        }
        if (found)
            break;
    }
    const QLocale shown = found ? QLocale(game.language()) : QLocale(QLocale::English, QLocale::UnitedStates);
    if (found) {
        QCoreApplication::installTranslator(&game);
        if (toolkit.load(shown, QStringLiteral("qtbase"), QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(&toolkit);
    }
    QLocale::setDefault(shown);
    return shown;
}
