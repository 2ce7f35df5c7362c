// Starts Brindlow: the window asks for the players' names, then shows the board.
#include "platform/QtPlatform.h"
#include "window/FormWindow.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char* argv[])
{
    // Without a display Qt would abort; say so plainly instead.
    if (qEnvironmentVariableIsEmpty("DISPLAY") && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") &&
        qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        std::fputs("brindlow: no display to show the game on (neither DISPLAY nor WAYLAND_DISPLAY is set).\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brindlow.Brindlow"));
    QtPlatform platform;
    FormWindow window(platform);
    platform.attach(&window, [&window] { window.refresh(); });
    window.start();
    return app.exec();
}
