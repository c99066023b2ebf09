// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_table_window/list_placement.h"

#include <gtest/gtest.h>

namespace month_table_window {
namespace {

TEST(PlaceListWindow, KeepsTheFramedWindowTitleBarIncludedOnTheScreenAndClearOfTheStrip) {
  const QMargins titleBar(1, 20, 1, 1); // left, top, right, bottom
  const QRect screen(0, 0, 1280, 1024);
  const QRect rightScreen(1280, 0, 1024, 768); // a second screen beside the first
  constexpr int kStrip = 30;
  const struct {
    QRect stored; // the frame as stored: left, top, width, height
    QRect screen;
    QRect expected;
    const char* note;
  } cases[] = {
      {{20, 40, 300, 395}, screen, {20, 40, 300, 395}, "already placed"},
      {{20, 40, 300, 100}, screen, {20, 40, 300, 200}, "a low window grows to 200"},
      {{20, 40, 300, 5000}, screen, {20, 0, 300, 994}, "a tall window shrinks to the screen less the strip, title bar on it"},
      {{20, 900, 300, 300}, screen, {20, 694, 300, 300}, "the frame's bottom moves up to the strip"},
      {{-50, -50, 300, 300}, screen, {0, 0, 300, 300}, "above and left of the screen"},
      {{5000, 40, 300, 300}, screen, {980, 40, 300, 300}, "right of the screen"},
      {{5, 5, 300, 300}, rightScreen, {1280, 5, 300, 300}, "left of a screen that does not start at 0"},
      {{3000, 900, 300, 5000}, rightScreen, {2004, 0, 300, 738}, "past a second screen's edges"},
  };
  for (const auto& c : cases) EXPECT_EQ(PlaceListWindow(c.stored, titleBar, c.screen, kStrip), c.expected) << c.note;
}

} // namespace
} // namespace month_table_window
