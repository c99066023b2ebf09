// SPDX-License-Identifier: GPL-3.0-or-later
#include "sun.h"

#include "numeric.h"

#include <cmath>

namespace astro {

EclipticPosition SunPosition(const AstroState& state) {
  const double t = state.CenturiesT;
  const double meanLongitude = 280.46645 + 36000.76983 * t + 0.0003032 * t * t;
  const double meanAnomaly = Radians(357.5291 + 35999.0503 * t - 0.0001559 * t * t - 0.00000048 * t * t * t);
  const double centre = (1.9146 - 0.004817 * t - 0.000014 * t * t) * std::sin(meanAnomaly) +
                        (0.019993 - 0.000101 * t) * std::sin(2.0 * meanAnomaly) +
                        0.00029 * std::sin(3.0 * meanAnomaly);
  const double omega = Radians(125.04 - 1934.136 * t);
  const double apparent = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(omega);
  return {ReduceDegrees(apparent), 0.0, 0.0};
}

EquatorialPosition EclipticToEquatorial(const AstroState& state, double longitude, double latitude) {
  const double lambda = Radians(longitude);
  const double beta = Radians(latitude);
  const double epsilon = state.TrueObliquity;
  const double sinLambda = std::sin(lambda);
  const double sinBeta = std::sin(beta);
  const double cosBeta = std::cos(beta);
  const double sinEpsilon = std::sin(epsilon);
  const double cosEpsilon = std::cos(epsilon);

  double alpha = Atan2Deg(std::cos(lambda), sinLambda * cosEpsilon - (sinBeta / cosBeta) * sinEpsilon);
  if (alpha < 0.0) alpha += 360.0;
  const double delta = ArcSinDeg(sinBeta * cosEpsilon + cosBeta * sinEpsilon * sinLambda);
  return {alpha, delta};
}

} // namespace astro
