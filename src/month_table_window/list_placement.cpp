// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_placement.h"

#include "ui_helpers/window_placement.h"

#include <algorithm>

namespace month_table_window {

QRect PlaceListWindow(QRect frame, QMargins margins, QRect screen, int reservedBottom) {
  const QRect usable = screen.adjusted(0, 0, 0, -reservedBottom);
  const int height = std::min(std::max(frame.height(), kMinimumListHeight), usable.height());
  const QSize framed(frame.width(), height);
  return {ui_helpers::KeepWindowOnScreen(frame.topLeft(), framed.shrunkBy(margins), margins, usable), framed};
}

} // namespace month_table_window
