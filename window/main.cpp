// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// Starts Brindlow: the window asks for the players' names, then shows the board.
#include "access/Assistive.h"
#include "access/Orca43.h"
#include "access/ToolkitBridge.h"
#include "platform/QtPlatform.h"
#include "window/FormWindow.h"
#include "window/Language.h"

#include <QApplication>

#include <cstdio>
#include <cstdlib>

namespace {

// The displays the environment names, as a player would recognise them.
QByteArray namedDisplays()
{
    QByteArrayList named;
    if (!qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        named << "Wayland display \"" + qgetenv("WAYLAND_DISPLAY") + '"';
    if (!qEnvironmentVariableIsEmpty("DISPLAY"))
        named << "X display \"" + qgetenv("DISPLAY") + '"';
    return named.join(" or the ");
}

// While Qt opens the display, its complaints are held back: when no display answers, Qt aborts with advice
// about reinstalling, and the player gets one line that names the display instead.
void openingDisplay(QtMsgType type, const QMessageLogContext&, const QString&)
{
    if (type != QtFatalMsg)
        return;
    std::fprintf(stderr, "brindlow: cannot open the %s to show the game on.\n", namedDisplays().constData());
    std::_Exit(EXIT_FAILURE); // Qt is half set up: nothing of it may run on the way out
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("brindlow: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                   stderr);
        return EXIT_FAILURE;
    }
    ToolkitBridge::prepareEnvironment();
    const QtMessageHandler standard = qInstallMessageHandler(openingDisplay);
    QApplication app(argc, argv);
    qInstallMessageHandler(standard);
    // The window's class is the launcher's StartupWMClass whatever the program file is called, so docks link
    // the window to its launcher; Wayland compositors match the desktop file name instead.
    QCoreApplication::setApplicationName(QStringLiteral("brindlow"));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brindlow.Brindlow"));
    Language::use(QLocale::system().uiLanguages());
    ToolkitBridge::start();
    Assistive::use(std::make_unique<Orca43>());
    QtPlatform platform;
    FormWindow window(platform);
    platform.attach(
        &window,
        [&window](QWidget& box, const QString& text) {
            window.refresh();
            window.board()->repaint(); // the checker that opened the box is on screen before anything waits
            window.assistive().boxOpening(&box, text);
        },
        [&window] { window.assistive().boxClosed(); });
    window.start();
    return app.exec();
}
