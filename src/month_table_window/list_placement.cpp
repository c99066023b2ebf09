// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_placement.h"

#include "window_placement.h"

#include <algorithm>

namespace monthtable {

QRect PlaceListWindow(QRect frame, QMargins margins, QRect screen, int reservedBottom) {
  const QRect usable = screen.adjusted(0, 0, 0, -reservedBottom);
  const int height = std::min(std::max(frame.height(), kMinimumListHeight), usable.height());
  const QSize framed(frame.width(), height);
  return {dayview::KeepWindowOnScreen(frame.topLeft(), framed.shrunkBy(margins), margins, usable), framed};
}

} // namespace monthtable
