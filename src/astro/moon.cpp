// SPDX-License-Identifier: GPL-3.0-or-later
#include "moon.h"

#include "moon_tables.h"
#include "numeric.h"

#include <cmath>
#include <cstdlib>

namespace astro {
namespace {

// Terms with the Sun's anomaly M carry E once per multiple of M.
double EccentricityFactor(int m, double e) {
  switch (std::abs(m)) {
    case 1: return e;
    case 2: return e * e;
    default: return 1.0;
  }
}

} // namespace

MoonSeries EvaluateMoonSeries(double t) {
  MoonSeries s{};
  s.meanLongitude = PolyAngle(t, -1.0 / 65194000.0, 1.0 / 538841.0, -0.0013268, 481267.88134236, 218.3164591);
  s.elongation = PolyAngle(t, -1.0 / 113065000.0, 1.0 / 545868.0, -0.0016300, 445267.1115168, 297.8502042);
  s.sunAnomaly = PolyAngle(t, 0.0, 1.0 / 24490000.0, -0.0001536, 35999.0502909, 357.5291092);
  s.moonAnomaly = PolyAngle(t, -1.0 / 14712000.0, 1.0 / 69699.0, 0.0089970, 477198.8676313, 134.9634114);
  s.argumentOfLatitude = PolyAngle(t, 1.0 / 863310000.0, -1.0 / 3526000.0, -0.0034029, 483202.0175273, 93.2720993);
  s.eccentricity = PolyAngle(t, 0.0, 0.0, -0.0000074, -0.002516, 1.0);

  const double d = Radians(s.elongation);
  const double m = Radians(s.sunAnomaly);
  const double mp = Radians(s.moonAnomaly);
  const double f = Radians(s.argumentOfLatitude);
  for (const auto& term : kMoonLongitudeDistanceTerms) {
    const double argument = term.d * d + term.m * m + term.mp * mp + term.f * f;
    const double factor = EccentricityFactor(term.m, s.eccentricity);
    s.sumLongitude += term.longitude * factor * std::sin(argument);
    s.sumDistance += term.distance * factor * std::cos(argument);
  }
  for (const auto& term : kMoonLatitudeTerms) {
    const double argument = term.d * d + term.m * m + term.mp * mp + term.f * f;
    s.sumLatitude += term.latitude * EccentricityFactor(term.m, s.eccentricity) * std::sin(argument);
  }

  // Additive terms: Venus (A1), Jupiter (A2) and the Earth's flattening (A3).
  const double a1 = Radians(119.75 + 131.849 * t);
  const double a2 = Radians(53.09 + 479264.29 * t);
  const double a3 = Radians(313.45 + 481266.484 * t);
  const double lp = Radians(s.meanLongitude);
  s.sumLongitude += 3958.0 * std::sin(a1) + 1962.0 * std::sin(lp - f) + 318.0 * std::sin(a2);
  s.sumLatitude += -2235.0 * std::sin(lp) + 382.0 * std::sin(a3) + 175.0 * std::sin(a1 - f) +
                   175.0 * std::sin(a1 + f) + 127.0 * std::sin(lp - mp) - 115.0 * std::sin(lp + mp);
  return s;
}

EclipticPosition MoonPosition(const AstroState& state) {
  const MoonSeries s = EvaluateMoonSeries(state.CenturiesT);
  const double distanceKm = static_cast<double>(385000.56L + s.sumDistance / 1000.0L);
  return {
      static_cast<double>(s.meanLongitude + s.sumLongitude / 1000000.0L + state.NutationLongitude),
      static_cast<double>(s.sumLatitude / 1000000.0L),
      ArcSinDeg(6378.14 / distanceKm),
  };
}

} // namespace astro
