// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/time_scales.h"

#include "astro/date_time.h"

#include <gtest/gtest.h>

namespace astro {
namespace {

double DateTime(int y, int m, int d) { return DateTimeFromCivil({y, m, d}); }

// Delta T in seconds after PrepareDay with ZoneHours 0.
double PreparedDeltaTSeconds(double calcDate) {
  AstroState s;
  s.CalcDate = calcDate;
  PrepareDay(s);
  return s.DeltaTDays * 86400.0;
}

struct DeltaTCase {
  int year;
  double seconds;
  double tolerance;
  const char* note;
};

TEST(ComputeDeltaT, PicksTheFormulaOfEachEra) {
  const DeltaTCase cases[] = {
      {1990, 56.9, 0.005, "interpolation at n = -1"},
      {2000, 66.998, 0.0005, "interpolation near n = 0"},
      {2010, 80.0, 0.005, "interpolation at n = +1"},
      {1950, 28.56, 0.005, "1900-1987 polynomial"},
      {1850, 7.18, 0.005, "1800-1899 polynomial"},
      {1600, 128.29, 0.005, "1600-1799 parabola"},
  };
  for (const auto& c : cases) {
    const double actual = PreparedDeltaTSeconds(DateTime(c.year, 1, 1));
    EXPECT_NEAR(actual, c.seconds, c.tolerance) << c.note << " (" << c.year << "): diff " << actual - c.seconds;
  }
  EXPECT_NEAR(PreparedDeltaTSeconds(DateTime(2000, 1, 1)) / 86400.0, 0.00077544, 1e-8);
}

TEST(ComputeDeltaT, SwitchesFormulaBetween1987And1988) {
  // At the same t the 1987 row (polynomial) and the 1988 row (interpolation)
  // differ; the year of the date decides.
  const double t = -0.12;
  const double polynomial = ComputeDeltaT(DateTime(1987, 12, 31), t);
  const double interpolated = ComputeDeltaT(DateTime(1988, 1, 1), t);
  EXPECT_NE(polynomial, interpolated);
  EXPECT_DOUBLE_EQ(interpolated * 86400.0, 67.0 + (-1.2 / 2) * ((80.0 - 56.9) + -1.2 * (56.9 - 134.0 + 80.0)));
}

TEST(PrepareDay, CountsCenturiesFromJ2000) {
  AstroState s;
  s.CalcDate = DateTime(2000, 1, 1);
  s.ZoneHours = 5.0f;
  PrepareDay(s);
  EXPECT_NEAR(s.CenturiesT0, -0.0000136893, 1e-10);
  EXPECT_DOUBLE_EQ(s.CenturiesT, s.CenturiesT0 + 5.0 / 876600.0) << "local midnight in UT";
  EXPECT_GE(s.SiderealTime0, 0.0);
  EXPECT_LT(s.SiderealTime0, 360.0);
  // Greenwich apparent sidereal time at 2000-01-01 0h UT: 6h 39m 51.4s.
  EXPECT_NEAR(s.SiderealTime0, 99.9642, 0.001);
}

TEST(MeanObliquity, UsesTheCubicForEarlyCenturiesAndTheSeriesLater) {
  EXPECT_NEAR(MeanObliquity(0.0), 23.4392911111, 1e-10);
  // One-sided test: t = -20 keeps the cubic.
  const double t = -20.0;
  EXPECT_DOUBLE_EQ(MeanObliquity(t), 23.4392911111 + (-46.815 * t - 0.00059 * t * t + 0.001813 * t * t * t) / 3600.0);
  // At t = 10 the series takes over: 23.4392911111 + (-4680.93 U - 1.55 U^2 + ...) / 3600 with U = 0.1.
  EXPECT_NEAR(MeanObliquity(10.0), 23.30, 0.01);
}

} // namespace
} // namespace astro
