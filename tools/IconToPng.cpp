// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Turns the icon's XPM source into the PNG files a desktop's icon theme wants, at build time.
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fputs("usage: icon_to_png ICON.xpm ICON.png\n", stderr);
        return 2;
    }
    const QImage icon(QString::fromLocal8Bit(argv[1]));
    if (icon.isNull() || !icon.save(QString::fromLocal8Bit(argv[2]), "PNG")) {
        std::fprintf(stderr, "icon_to_png: cannot turn %s into %s\n", argv[1], argv[2]);
        return 1;
    }
    return 0;
}
