// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The board as assistive technology sees it: a table of its 42 cells, one of them current.
#pragma once

#include <QAccessible>

class Assistive;
class QWidget;

namespace BoardAccessible {

// The board `assistive` speaks for is seen as the table of its cells from now on, until the widget is gone.
void serve(Assistive* assistive);

// The interface of a cell of the board `widget` shows.
QAccessibleInterface* cell(QWidget* widget, int cell);

} // namespace BoardAccessible

// An object of the board that is no widget and has no children: a cell, or where news is spoken.
class LeafAccessible : public QAccessibleInterface
{
  public:
    bool isValid() const override { return true; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QList<std::pair<QAccessibleInterface*, QAccessible::Relation>>
    relations(QAccessible::Relation) const override
    {
        return {};
    }
    QAccessibleInterface* focusChild() const override { return nullptr; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    void setText(QAccessible::Text, const QString&) override {}
};
