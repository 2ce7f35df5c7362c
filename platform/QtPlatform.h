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

    // The window the boxes belong to, and what to do before each box opens: bring the window up to date, and
    // say whether assistive technology was just told something.
    void attach(QWidget* window, std::function<bool()> beforeEachBox);

    qint32 messageBox(const QString& prompt, qint32 buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    void endProgram() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* boxParent() const;
    void prepareBox();
    void giveBackFocus();
    void letTheScreenReaderCatchUp(bool told, bool followsBox) const;

    static constexpr int SettleMs = 300;

    QWidget* window = nullptr;
    std::function<bool()> beforeEachBox;
    bool quitRequested = false;
    bool focusPending = false;
};
