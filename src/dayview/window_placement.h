#pragma once

// Keeps a window whose stored position may lie off the screen (a smaller
// screen than last time) fully visible.

#include <QPoint>
#include <QSize>

namespace dayview {

// The top-left corner moved so that the window lies on the screen: pulled up
// or left when it sticks out past the bottom or right edge, then down or right
// when above or left of the screen, so the top-left corner wins.
QPoint KeepWindowOnScreen(QPoint topLeft, QSize window, QSize screen);

} // namespace dayview
