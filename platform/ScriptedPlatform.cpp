// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// A desktop with no screen: every box is answered from a script and recorded.
#include "platform/ScriptedPlatform.h"

namespace {

std::string describe(const Box& box)
{
    return "unscripted box \"" + box.title.toStdString() + "\": " + box.prompt.toStdString();
}

} // namespace

UnscriptedBox::UnscriptedBox(const Box& box) : std::runtime_error(describe(box))
{
}

void ScriptedPlatform::record(const Box& box)
{
    boxes.push_back(box);
    if (onBox)
        onBox(box);
}

qint32 ScriptedPlatform::messageBox(const QString& prompt, qint32 buttons, const QString& title)
{
    record({prompt, buttons, title});
    if (buttons != ButtonsYesNo)
        return 1;
    if (questions.empty())
        throw UnscriptedBox(boxes.back());
    const qint32 answer = questions.front();
    questions.pop_front();
    return answer;
}

QString ScriptedPlatform::inputBox(const QString& prompt, const QString& title)
{
    record({prompt, InputBoxButtons, title});
    if (names.empty())
        throw UnscriptedBox(boxes.back());
    const QString answer = names.front();
    names.pop_front();
    return answer;
}

void ScriptedPlatform::endProgram()
{
    ended = true;
    if (throwOnEnd)
        throw ProgramEnded{};
}
