// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/moon.h"

#include "astro/moon_tables.h"
#include "astro/numeric.h"
#include "astro/sun.h"
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace astro {
namespace {

constexpr double kT = -0.077221081451; // 1992-04-12 00:00

TEST(MoonSeries, SumsEachSeriesFor1992April12) {
  const MoonSeries s = EvaluateMoonSeries(kT);
  EXPECT_NEAR(s.meanLongitude, 134.290186, 1e-6);
  EXPECT_NEAR(s.elongation, 113.842309, 1e-6);
  EXPECT_NEAR(s.sunAnomaly, 97.643514, 1e-6);
  EXPECT_NEAR(s.moonAnomaly, 5.150839, 1e-6);
  EXPECT_NEAR(s.argumentOfLatitude, 219.889726, 1e-6);
  EXPECT_NEAR(s.eccentricity, 1.000194, 1e-6);
  EXPECT_NEAR(static_cast<double>(s.sumLongitude), -1127526, 1.0);
  EXPECT_NEAR(static_cast<double>(s.sumLatitude), -3229127, 1.0);
  EXPECT_NEAR(static_cast<double>(s.sumDistance), -16590875, 1.0);
}

TEST(MoonPosition, PlacesTheMoonOn1992April12ToAMillionthOfADegree) {
  AstroState s;
  s.CenturiesT = kT;
  ComputeNutation(s);
  s.TrueObliquity = Radians(MeanObliquity(kT) + s.NutationObliquity);
  EXPECT_NEAR(s.NutationLongitude, 0.0045786, 1e-7);

  const EclipticPosition moon = MoonPosition(s);
  EXPECT_NEAR(moon.longitude - s.NutationLongitude, 133.162660, 1e-6);
  EXPECT_NEAR(moon.longitude, 133.167239, 1e-6);
  EXPECT_NEAR(moon.latitude, -3.229127, 1e-6);
  EXPECT_NEAR(moon.parallax, 0.991990, 1e-6);

  const EquatorialPosition eq = EclipticToEquatorial(s, moon.longitude, moon.latitude);
  EXPECT_NEAR(eq.rightAscension, 134.68844, 1e-5);
  EXPECT_NEAR(eq.declination, 13.76837, 1e-5);
}

TEST(MoonSeries, MeanElementsAreTheirConstantsAtJ2000) {
  const MoonSeries s = EvaluateMoonSeries(0.0);
  EXPECT_DOUBLE_EQ(s.meanLongitude, 218.3164591);
  EXPECT_DOUBLE_EQ(s.elongation, 297.8502042);
  EXPECT_DOUBLE_EQ(s.sunAnomaly, 357.5291092);
  EXPECT_DOUBLE_EQ(s.moonAnomaly, 134.9634114);
  EXPECT_DOUBLE_EQ(s.argumentOfLatitude, 93.2720993);
  EXPECT_DOUBLE_EQ(s.eccentricity, 1.0);
}

TEST(MoonSeries, ReducesNegativeElementsOfEarlyCenturies) {
  const MoonSeries s = EvaluateMoonSeries(-19.5);
  for (const double angle : {s.meanLongitude, s.elongation, s.sunAnomaly, s.moonAnomaly, s.argumentOfLatitude}) {
    EXPECT_GE(angle, 0.0);
    EXPECT_LT(angle, 360.0);
  }
}

TEST(MoonTables, HoldTheExpectedNumberOfTerms) {
  const auto& ld = kMoonLongitudeDistanceTerms;
  EXPECT_EQ(std::count_if(ld.begin(), ld.end(), [](const auto& t) { return t.longitude != 0; }), 59);
  EXPECT_EQ(std::count_if(ld.begin(), ld.end(), [](const auto& t) { return t.distance != 0; }), 46);
  const auto& b = kMoonLatitudeTerms;
  EXPECT_EQ(std::count_if(b.begin(), b.end(), [](const auto& t) { return t.latitude != 0; }), 60);
  // Spot checks of first, middle and last rows.
  EXPECT_EQ(ld[0].longitude, 6288774);
  EXPECT_EQ(ld[29].distance, 10056);
  EXPECT_EQ(ld[59].distance, 8752);
  EXPECT_EQ(b[13].latitude, -3359);
  EXPECT_EQ(b[59].latitude, 107);
}

} // namespace
} // namespace astro
