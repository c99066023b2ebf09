// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_helpers/window_placement.h"

#include <climits>
#include <gtest/gtest.h>

namespace ui_helpers {
namespace {

TEST(KeepWindowOnScreen, PullsTheWholeFramedWindowBackOntoTheScreen) {
  const QSize client(259, 425);
  const QMargins none;
  const QMargins titleBar(1, 20, 1, 1); // left, top, right, bottom
  const QRect screen(0, 0, 1280, 1024);
  const QRect rightScreen(1280, 0, 1024, 768); // a second screen beside the first
  const struct {
    QPoint stored;
    QMargins frame;
    QRect screen;
    QPoint expected;
    const char* note;
  } cases[] = {
      {{5, 5}, titleBar, screen, {5, 5}, "already visible"},
      {{3000, 2000}, titleBar, screen, {1280 - 261, 1024 - 446}, "past the right and bottom edges, frame counted"},
      {{3000, 2000}, none, screen, {1280 - 259, 1024 - 425}, "no frame"},
      {{1100, 700}, titleBar, screen, {1019, 578}, "partly off to the right and bottom"},
      {{1019, 578}, titleBar, screen, {1019, 578}, "touching the bottom right corner"},
      {{-50, -20}, titleBar, screen, {0, 0}, "above and left of the screen"},
      {{5, 5}, titleBar, rightScreen, {1280, 5}, "left of a screen that does not start at 0"},
      {{3000, 900}, titleBar, rightScreen, {2304 - 261, 768 - 446}, "past a second screen's edges"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(KeepWindowOnScreen(c.stored, client, c.frame, c.screen), c.expected) << c.note;
  // Positions at the int limits do not overflow when the length is added.
  EXPECT_EQ(KeepWindowOnScreen({INT_MAX, INT_MAX}, client, titleBar, screen), QPoint(1280 - 261, 1024 - 446));
  EXPECT_EQ(KeepWindowOnScreen({INT_MIN, INT_MIN}, client, titleBar, screen), QPoint(0, 0));
  // A window taller than the screen keeps its top-left corner visible.
  EXPECT_EQ(KeepWindowOnScreen({10, 10}, QSize(259, 1100), titleBar, screen), QPoint(10, 0));
}

} // namespace
} // namespace ui_helpers
