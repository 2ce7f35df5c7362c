// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Draws the game's real window in the middle of a game, off screen, and saves it as the README's picture.
#include "platform/ScriptedPlatform.h"
#include "window/FormWindow.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: brindlow_screenshot FILE.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPlatform platform;
    platform.names = {QStringLiteral("Ann"), QStringLiteral("Bob")};
    FormWindow window(platform);
    window.start();
    for (const int column : {3, 3, 4, 2, 2, 5, 4, 4, 1})
        window.form().Form_MouseDown(1, 0, 850.0f * float(column) + 425.0f, 1000.0f);
    window.refresh();
    if (!window.grab().save(QString::fromLocal8Bit(argv[1]), "PNG")) {
        std::fprintf(stderr, "brindlow_screenshot: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
