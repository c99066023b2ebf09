// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_placement.h"

namespace ui_helpers {
namespace {

int KeepInside(int start, int length, int screenStart, int screenLength) {
  if (start + length > screenStart + screenLength) start = screenStart + screenLength - length;
  return start < screenStart ? screenStart : start;
}

} // namespace

QPoint KeepWindowOnScreen(QPoint frameTopLeft, QSize client, QMargins frame, QRect screen) {
  const QSize framed = client.grownBy(frame);
  return {KeepInside(frameTopLeft.x(), framed.width(), screen.x(), screen.width()),
          KeepInside(frameTopLeft.y(), framed.height(), screen.y(), screen.height())};
}

} // namespace ui_helpers
