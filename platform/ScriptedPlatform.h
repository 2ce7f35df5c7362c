// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// A desktop with no screen: every box is answered from a script and recorded. The tests, the benchmarks and
// the screenshot tool all play the game on it.
#pragma once

#include "platform/Platform.h"

#include <deque>
#include <functional>
#include <stdexcept>
#include <vector>

// One box the game opened: an input box has buttons InputBoxButtons.
struct Box
{
    QString prompt;
    qint32 buttons;
    QString title;

    friend bool operator==(const Box&, const Box&) = default;
};

constexpr qint32 InputBoxButtons = -1;

// Thrown by endProgram, so that the handler that ended the program goes no further.
struct ProgramEnded
{
};

// Thrown when the game opens a box the script has no answer for; its text names the box.
struct UnscriptedBox : std::runtime_error
{
    explicit UnscriptedBox(const Box& box);
};

class ScriptedPlatform : public Platform
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
