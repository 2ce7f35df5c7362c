// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// What a screen reader is told about the board and the status line: the 42 cells as a table, whose turn it
// is.
#pragma once

class BoardView;
class StatusLabel;

namespace BoardAccessible {

// Makes the board a table of its cells and the status line a notification for assistive technology. Once
// per program, before the window is shown.
void install();

// Tells assistive technology that a cell's checker changed; nothing when none is listening.
void cellChanged(BoardView* board, int cell);

// Announces the status line's new text once.
void statusChanged(StatusLabel* label);

} // namespace BoardAccessible
