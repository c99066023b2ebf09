// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

#include <algorithm>

namespace ui_helpers {
namespace {

// In 64 bits: a stored start near the int limit plus the window's length
// would overflow and wrap to a negative position.
int KeepInside(qint64 start, qint64 length, qint64 screenStart, qint64 screenLength) {
  if (start + length > screenStart + screenLength) start = screenStart + screenLength - length;
  return static_cast<int>(start < screenStart ? screenStart : start);
}

} // namespace

QPoint KeepWindowOnScreen(QPoint frameTopLeft, QSize client, QMargins frame, QRect screen) {
  const QSize framed = client.grownBy(frame);
  return {KeepInside(frameTopLeft.x(), framed.width(), screen.x(), screen.width()),
          KeepInside(frameTopLeft.y(), framed.height(), screen.y(), screen.height())};
}

int WithinReach(int pixels) {
  constexpr int kReach = 1 << 24;
  return std::clamp(pixels, -kReach, kReach);
}

} // namespace ui_helpers
