// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_placement.h"

#include <algorithm>

namespace monthtable {

QRect PlaceListWindow(QRect window, QSize screen, int reservedBottom) {
  const int limit = screen.height() - reservedBottom;
  int height = std::max(window.height(), kMinimumListHeight);
  height = std::min(height, limit);
  int top = window.top();
  if (top + height > limit) top = limit - height;
  top = std::max(top, 0);
  int left = window.left();
  if (left + window.width() > screen.width()) left = screen.width() - window.width();
  left = std::max(left, 0);
  return {left, top, window.width(), height};
}

} // namespace monthtable
