// Draws the game's real window in the middle of a game, off screen, and saves it as the README's picture.
#include "platform/Platform.h"
#include "window/FormWindow.h"

#include <QApplication>
#include <QPixmap>

#include <cstdio>

namespace {

// Ann and Bob, and no box is expected during the scripted moves.
class ScriptedPlatform : public Platform
{
  public:
    qint32 messageBox(const QString&, qint32, const QString&) override { return AnswerYes; }
    QString inputBox(const QString& prompt, const QString&) override
    {
        return prompt == QStringLiteral("Player 1:") ? QStringLiteral("Ann") : QStringLiteral("Bob");
    }
    void endProgram() override {}
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fputs("usage: brindlow_screenshot FILE.png\n", stderr);
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ScriptedPlatform platform;
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
