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

} // namespace ui_helpers
