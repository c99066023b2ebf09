// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the month table window stands each time it is shown: its stored place,
// kept on the screen and clear of a strip at the screen's bottom. The rules
// apply to the framed window, title bar included.

#include <QMargins>
#include <QRect>

namespace month_table_window {

inline constexpr int kMinimumListHeight = 200; // pixels

// The framed window's rectangle after the placement rule: a height below 200
// grows to 200 and one above (screen height - reservedBottom) shrinks to it;
// the window moves up to clear the reserved strip and left to clear the right
// edge, and never stands above or left of the screen. frame is the framed
// window as stored, margins the window manager's border widths.
QRect PlaceListWindow(QRect frame, QMargins margins, QRect screen, int reservedBottom);

} // namespace month_table_window
