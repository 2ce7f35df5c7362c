// SPDX-FileCopyrightText: 2026 The Brindlow Maintainers
// SPDX-License-Identifier: GPL-3.0-or-later

// The title bar of a window that keeps one size: no maximise button and no resizing to offer.
#pragma once

class QWidget;

// Tells an X11 window manager that the window can be moved, closed and (where its flags say so) minimised,
// but neither resized nor maximised. Qt always advertises both for a window with a title bar, and some window
// managers then show a maximise button that does nothing. Call it after the window's flags are final; on
// other platforms it does nothing.
void offerNoResize(QWidget* window);
