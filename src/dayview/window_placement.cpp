#include "window_placement.h"

namespace dayview {
namespace {

int KeepInside(int start, int length, int screenLength) {
  if (start + length > screenLength) start = screenLength - length;
  return start < 0 ? 0 : start;
}

} // namespace

QPoint KeepWindowOnScreen(QPoint topLeft, QSize window, QSize screen) {
  return {KeepInside(topLeft.x(), window.width(), screen.width()),
          KeepInside(topLeft.y(), window.height(), screen.height())};
}

} // namespace dayview
