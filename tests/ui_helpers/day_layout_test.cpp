// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui_helpers/day_layout.h"

#include <gtest/gtest.h>

namespace ui_helpers {
namespace {

struct LayoutCase {
  bool phase, status, formLength;
  WindowLayout expected;
};

TEST(ComputeWindowLayout, SizesTheWindowForPhaseListStatusBarAndLongForm) {
  const LayoutCase cases[] = {
      {false, false, false, {315, false, 297, 0}},
      {false, true, false, {340, true, 297, 0}},
      {false, false, true, {315, false, 297, 0}}, // the long form needs the phase list
      {false, true, true, {340, true, 297, 0}},
      {true, false, false, {382, false, 364, 64}},
      {true, true, false, {407, true, 364, 64}},
      {true, false, true, {414, false, 396, 96}},
      {true, true, true, {439, true, 396, 96}},
  };
  for (const auto& c : cases) {
    const WindowLayout actual = ComputeWindowLayout(c.phase, c.status, c.formLength);
    EXPECT_EQ(actual.clientHeight, c.expected.clientHeight) << c.phase << c.status << c.formLength;
    EXPECT_EQ(actual, c.expected) << c.phase << c.status << c.formLength;
  }
}

TEST(ComputeWindowLayout, UsesTheScaledMetricsButAddsTwoUnscaledPixels) {
  // At 144 dpi: 315 * 1.5 = 472.5 -> 472, 67 -> 100.5 -> 100, 25 -> 37.5 -> 38,
  // 32 -> 48, 295 -> 442.5 -> 442, 64 -> 96.
  const WindowLayout layout = ComputeWindowLayout(true, true, true, ScaledLayoutMetrics(144));
  EXPECT_EQ(layout, (WindowLayout{472 + 100 + 38 + 48, true, 442 + 100 + 48 + 2, 96 + 48}));
}

TEST(ScaleToDpi, MultipliesByDpiOver96AndRoundsTiesToEven) {
  struct Case {
    int pixels, dpi, expected;
  };
  const Case cases[] = {
      {257, 96, 257}, {18, 120, 22},  {38, 120, 48}, {302, 120, 378}, {257, 120, 321}, {1, 144, 2},
      {3, 144, 4},    {5, 144, 8},    {315, 144, 472}, {25, 144, 38}, {100, 72, 75},   {2, 72, 2},
      {6, 72, 4},     {96, 110, 110}, {315, 110, 361},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ScaleToDpi(c.pixels, c.dpi), c.expected) << c.pixels << " px at " << c.dpi << " dpi";
}

TEST(ScaledTables, AreTheTablesAt96DpiAndScaleEveryNumber) {
  EXPECT_EQ(ScaledTextRects(96), kTextRects96);
  EXPECT_EQ(ScaledLayoutMetrics(96), kLayoutMetrics96);
  const TextRectTable rects = ScaledTextRects(120);
  EXPECT_EQ(rects[19], (TextRect{0, 0, 321, 22})) << "the date line";
  EXPECT_EQ(rects[12], (TextRect{80, 130, 161, 150})) << "first moon label: 129 * 1.25 = 161.25";
  const LayoutMetricTable metrics = ScaledLayoutMetrics(120);
  EXPECT_EQ(metrics[kPhaseRowsTop], 378);
  EXPECT_EQ(metrics[kBigMoonTop], 48);
}

TEST(LayoutTables, HoldTheNumbersAt96Dpi) {
  EXPECT_EQ(kTextRects96[0], (TextRect{128, 24, 193, 40}));
  EXPECT_EQ(kTextRects96[11], (TextRect{200, 136, 241, 152}));
  EXPECT_EQ(kTextRects96[18], (TextRect{72, 80, 129, 96}));
  EXPECT_EQ(kLayoutMetrics96[kBaseClientHeight], 315);
  EXPECT_EQ(kLayoutMetrics96[kLittleMoonTopWithTransit], 112);
  EXPECT_EQ(kLayoutMetrics96[kLittleMoonTopWithoutTransit], 104);
  EXPECT_EQ(kLayoutMetrics96[kPhaseTimeRight], 244);
}

} // namespace
} // namespace ui_helpers
