// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// The board as assistive technology sees it: a table of its 42 cells, one of them current.
#pragma once

class Assistive;
class QAccessibleInterface;
class QWidget;

namespace BoardAccessible {

// The board `assistive` speaks for is seen as the table of its cells from now on, until the widget is gone.
void serve(Assistive* assistive);

// The interface of a cell of the board `widget` shows.
QAccessibleInterface* cell(QWidget* widget, int cell);

} // namespace BoardAccessible
