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

    // The window the boxes belong to; what to do as each box is about to open (with the box and its text),
    // and once it has closed.
    void attach(QWidget* window, std::function<void(QWidget& box, const QString& text)> opening,
                std::function<void()> closed);

    qint32 messageBox(const QString& prompt, qint32 buttons, const QString& title) override;
    QString inputBox(const QString& prompt, const QString& title) override;
    void endProgram() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* boxParent() const;
    void opened(QWidget& box, const QString& text);
    void closed();

    QWidget* window = nullptr;
    std::function<void(QWidget& box, const QString& text)> opening;
    std::function<void()> afterBox;
    bool quitRequested = false;
    bool focusPending = false;
};
