// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/numeric.h"

#include <gtest/gtest.h>

#include <cmath>

namespace astro {
namespace {

struct PolyAngleCase {
  double c0;
  double expected;
  const char* note;
};

TEST(PolyAngle, ReducesIntoZeroTo360) {
  const PolyAngleCase cases[] = {
      {-10.0, 350.0, "negative angle wraps up"},
      {360.0, 0.0, "a full turn is 0"},
      {-360.0, 0.0, "minus a full turn is 0"},
      {725.5, 5.5, "two turns and a bit"},
      {-1e-20, 0.0, "a hair below 0 does not round up to 360"},
  };
  for (const auto& c : cases) {
    const double r = PolyAngle(0.0, 0.0, 0.0, 0.0, 0.0, c.c0);
    EXPECT_NEAR(r, c.expected, 1e-12) << c.note;
    EXPECT_GE(r, 0.0) << c.note;
    EXPECT_LT(r, 360.0) << c.note;
  }
}

TEST(PolyAngle, EvaluatesHighestPowerFirst) {
  // 1 + 2t + 3t^2 + 4t^3 + 5t^4 at t = 2 is 129.
  EXPECT_DOUBLE_EQ(PolyAngle(2.0, 5.0, 4.0, 3.0, 2.0, 1.0), 129.0);
}

struct Atan2Case {
  double x, y, expected;
};

TEST(Atan2Deg, CoversEveryQuadrantAndAxis) {
  const Atan2Case cases[] = {
      {-1.0, 0.0, 180.0}, {0.0, 0.0, 0.0},   {-1.0, -1.0, -135.0}, {1.0, 1.0, 45.0},
      {-1.0, 1.0, 135.0}, {1.0, -1.0, -45.0}, {0.0, 2.0, 90.0},     {0.0, -2.0, -90.0},
      {3.0, 0.0, 0.0},
  };
  for (const auto& c : cases) EXPECT_NEAR(Atan2Deg(c.x, c.y), c.expected, 1e-12) << c.x << ", " << c.y;
}

TEST(ArcCosDeg, IsExactAtTheEnds) {
  EXPECT_EQ(ArcCosDeg(1.0), 0.0);
  EXPECT_EQ(ArcCosDeg(-1.0), 180.0);
  EXPECT_NEAR(ArcCosDeg(0.5), 60.0, 1e-12);
  EXPECT_EQ(ArcCosDeg(1.0000000001), 0.0) << "rounding past 1 must not give NaN";
}

TEST(Interpolate3, PassesThroughTheTabularPoints) {
  EXPECT_DOUBLE_EQ(Interpolate3(1.0, 4.0, 9.0, -1.0), 1.0);
  EXPECT_DOUBLE_EQ(Interpolate3(1.0, 4.0, 9.0, 0.0), 4.0);
  EXPECT_DOUBLE_EQ(Interpolate3(1.0, 4.0, 9.0, 1.0), 9.0);
  EXPECT_DOUBLE_EQ(Interpolate3(1.0, 4.0, 9.0, 0.5), 6.25); // (x + 2)^2 at x = 0.5
}

struct RoundCase {
  double t;
  int minuteOfDay;
  const char* note;
};

TEST(RoundToMinute, KeepsOnlyTheTimeOfDayAndNeverReachesMidnight) {
  const RoundCase cases[] = {
      {0.99999, 23 * 60 + 59, "rounds to 24:00, shown as 23:59"},
      {-1.25, 6 * 60, "negative date keeps a forward-counting fraction"},
      {36526.5, 12 * 60, "the date is dropped"},
      {0.5 / 1440.0, 0, "half a minute ties to even (0)"},
      {1.5 / 1440.0, 2, "one and a half minutes ties to even (2)"},
      {0.25 + 29.0 / 86400.0, 6 * 60, "29 seconds round down"},
  };
  for (const auto& c : cases) {
    const float r = RoundToMinute(c.t);
    const double expected = (c.minuteOfDay + 0.1) / 1440.0;
    EXPECT_NEAR(r, expected, 1e-7) << c.note;
    EXPECT_EQ(static_cast<int>(std::floor(static_cast<double>(r) * 1440.0)), c.minuteOfDay) << c.note;
  }
}

} // namespace
} // namespace astro
