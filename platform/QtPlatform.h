// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The game's boxes and program end on Qt Widgets.
#pragma once

#include "platform/Platform.h"

#include <QObject>

#include <functional>

class QWidget;

class QtPlatform : public QObject, public Platform
{
  public:
    QtPlatform();

    // The window the boxes belong to, and what to do before each box opens (bring the window up to date).
    void attach(QWidget* window, std::function<void()> beforeEachBox);

    qint32 messageBox(const QString& prompt, qint32 buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    void endProgram() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* boxParent() const;
    void giveBackFocus();
    static void letThePressBeHeard();

    static constexpr int PressSettleMs = 200;

    QWidget* window = nullptr;
    std::function<void()> beforeEachBox;
    bool quitRequested = false;
};
