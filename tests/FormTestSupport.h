// A scripted desktop for the form, and helpers that read a board at a glance.
#pragma once

#include "platform/Platform.h"
#include "window/frmBrindlow.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

// One box the game opened: an input box has buttons -1.
struct Box
{
    QString prompt;
    qint32 buttons;
    QString title;

    friend bool operator==(const Box&, const Box&) = default;
};
void PrintTo(const Box& box, std::ostream* os);

constexpr qint32 InputBoxButtons = -1;
Box winnerBox(const QString& upperName);
Box tieBox();
Box newGameBox();
Box nameBox(int player);

// Thrown by endProgram, so that the handler that ended the program goes no further.
struct ProgramEnded
{
};

// Thrown when the game opens a box the test has not scripted an answer for.
struct UnscriptedBox
{
};

class FakePlatform : public Platform
{
  public:
    qint32 messageBox(const QString& prompt, qint32 buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    void endProgram() override;

    std::deque<QString> names;             // answers for input boxes, in order
    std::deque<qint32> questions;          // answers for Yes/No boxes, in order
    std::vector<Box> boxes;                // every box opened, in order
    std::function<void(const Box&)> onBox; // runs as each box opens
    bool ended = false;
    bool throwOnEnd = true;

  private:
    void record(const Box& box);
};

// The board as 6 lines of 7: '.' empty, 'X' black, 'O' red.
std::string boardPicture(const frmBrindlow& form);

// Paints a board from such a picture (rows top to bottom, blanks and line breaks ignored).
void setBoard(frmBrindlow& form, const std::string& picture);

// X in the middle of a column's band.
float bandMiddle(int column);

// A form started with the two names, its start-up boxes forgotten.
struct StartedForm
{
    explicit StartedForm(const QString& name1 = QStringLiteral("Ann"),
                         const QString& name2 = QStringLiteral("Bob"));
    void press(int column) { form.Form_MouseDown(1, 0, bandMiddle(column), 1000.0f); }
    void pressAll(const std::vector<int>& columns);

    FakePlatform platform;
    frmBrindlow form{platform};
};
