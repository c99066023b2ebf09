// SPDX-License-Identifier: GPL-3.0-or-later
#include "numeric.h"

#include <cmath>

namespace astro {

double FloorValue(double x) { return std::floor(x); }

double ReduceDegrees(double x) {
  const double r = x - 360.0 * FloorValue(x / 360.0);
  return r < 360.0 ? r : 0.0; // a tiny negative x rounds up to 360 itself
}

double PolyAngle(double t, double c4, double c3, double c2, double c1, double c0) {
  return ReduceDegrees((((c4 * t + c3) * t + c2) * t + c1) * t + c0);
}

double ArcSinDeg(double x) {
  // Rounding can carry a sine a hair past 1; the pole values are exact.
  if (x >= 1.0) return 90.0;
  if (x <= -1.0) return -90.0;
  return Degrees(std::atan(x / std::sqrt(1.0 - x * x)));
}

double ArcCosDeg(double x) { return 90.0 - ArcSinDeg(x); }

double TanValue(double x) { return std::sin(x) / std::cos(x); }

double Atan2Deg(double x, double y) {
  if (x == 0.0) return y > 0.0 ? 90.0 : (y < 0.0 ? -90.0 : 0.0);
  if (y == 0.0) return x > 0.0 ? 0.0 : 180.0;
  double r = Degrees(std::atan(y / x));
  if (r < 0.0) r += 180.0;
  if (y < 0.0) r -= 180.0;
  return r;
}

} // namespace astro

namespace astro {

float RoundToMinute(double t) {
  const double fraction = std::fabs(t - std::trunc(t));
  double minute = std::nearbyint(fraction * 1440.0);
  if (minute >= 1440.0) minute = 1439.0;
  return static_cast<float>((minute + 0.1) / 1440.0);
}

} // namespace astro
