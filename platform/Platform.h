// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// What the game needs from its desktop: a modal message box, a modal input box and the end of the program.
#pragma once

#include <QString>
#include <QtGlobal>

// Button codes the game passes to the message box.
constexpr qint32 ButtonsOk = 0;
constexpr qint32 ButtonsYesNo = 4;
constexpr qint32 ButtonsOkInformation = 64;

// Answer codes the game reads back from a Yes/No box.
constexpr qint32 AnswerYes = 6;
constexpr qint32 AnswerNo = 7;

class Platform
{
  public:
    virtual ~Platform() = default;

    // Shows the prompt (CR LF pairs break lines) under the title and waits until the box is closed.
    // A Yes/No box answers AnswerYes or AnswerNo; the answer of an OK box means nothing.
    virtual qint32 messageBox(const QString& prompt, qint32 buttons, const QString& title) = 0;

    // Asks for a line of text with an empty field; gives the text exactly as typed, or empty text when the
    // box is cancelled or closed.
    virtual QString inputBox(const QString& prompt, const QString& title) = 0;

    // Ends the program at once. The real desktop never returns from here.
    virtual void endProgram() = 0;
};
