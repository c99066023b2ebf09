// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Keeps a window whose stored position may lie off the screen (a smaller
// screen than last time) fully visible, its frame included.

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>

namespace ui_helpers {

// The frame's top-left corner (the position the settings store) moved so that
// the whole framed window lies on the screen: pulled up or left when it sticks
// out past the bottom or right edge, then down or right when above or left of
// the screen, so the top-left corner wins. client is the window without its
// frame; frame holds the window manager's border widths in pixels.
QPoint KeepWindowOnScreen(QPoint frameTopLeft, QSize client, QMargins frame, QRect screen);

// A stored position or length in pixels, kept within 2^24 either way: farther
// than any screen reaches, yet far enough from int's limits that a window's
// rectangle built on it (its right edge is left + width - 1) cannot overflow.
int WithinReach(int pixels);

} // namespace ui_helpers
