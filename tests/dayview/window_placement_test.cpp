#include "window_placement.h"

#include <gtest/gtest.h>

namespace dayview {
namespace {

TEST(KeepWindowOnScreen, PullsAStoredPositionBackOntoTheScreen) {
  const QSize window(270, 480);
  const QSize screen(1024, 768);
  const struct {
    QPoint stored, expected;
    const char* note;
  } cases[] = {
      {{5, 5}, {5, 5}, "already visible"},
      {{2000, 1500}, {754, 288}, "past the right and bottom edges"},
      {{-50, -20}, {0, 0}, "above and left of the screen"},
      {{800, 300}, {754, 288}, "partly off to the right and bottom"},
  };
  for (const auto& c : cases) EXPECT_EQ(KeepWindowOnScreen(c.stored, window, screen), c.expected) << c.note;
  // A window taller than the screen keeps its top-left corner visible.
  EXPECT_EQ(KeepWindowOnScreen({10, 10}, QSize(270, 900), screen), QPoint(10, 0));
}

} // namespace
} // namespace dayview
