// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/sun.h"

#include "astro/numeric.h"
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <cmath>

namespace astro {
namespace {

// State prepared for an instant t (centuries) without a calendar date.
AstroState StateAt(double t) {
  AstroState s;
  s.CenturiesT = t;
  ComputeNutation(s);
  s.TrueObliquity = Radians(MeanObliquity(t) + s.NutationObliquity);
  return s;
}

TEST(SunPosition, PlacesTheSunOn1992October13ToAHundredThousandthOfADegree) {
  const AstroState s = StateAt(-0.072183436); // 1992-10-13 0h
  EXPECT_NEAR(Degrees(s.TrueObliquity), 23.44014, 1e-5);
  const EclipticPosition sun = SunPosition(s);
  EXPECT_NEAR(sun.longitude, 199.90893, 1e-5);
  EXPECT_EQ(sun.latitude, 0.0);
  EXPECT_EQ(sun.parallax, 0.0);
  const EquatorialPosition eq = EclipticToEquatorial(s, sun.longitude, 0.0);
  EXPECT_NEAR(eq.rightAscension, 198.38080, 1e-5);
  EXPECT_NEAR(eq.declination, -7.78511, 1e-5);
}

TEST(SunPosition, StaysInsideZeroTo360OverTheCalendar) {
  for (double t = -19.0; t <= 80.0; t += 0.37) {
    const double longitude = SunPosition(StateAt(t)).longitude;
    ASSERT_GE(longitude, 0.0) << t;
    ASSERT_LT(longitude, 360.0) << t;
  }
}

TEST(EclipticToEquatorial, SolsticesLieOnTheAxes) {
  const AstroState s = StateAt(0.0);
  const double epsilon = Degrees(s.TrueObliquity);
  const EquatorialPosition june = EclipticToEquatorial(s, 90.0, 0.0);
  EXPECT_NEAR(june.rightAscension, 90.0, 1e-9);
  EXPECT_NEAR(june.declination, epsilon, 1e-9);
  const EquatorialPosition december = EclipticToEquatorial(s, 270.0, 0.0);
  EXPECT_NEAR(december.rightAscension, 270.0, 1e-9) << "negative angle plus 360";
  EXPECT_NEAR(december.declination, -epsilon, 1e-9);
}

} // namespace
} // namespace astro
