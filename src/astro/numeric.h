// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Small numeric helpers shared by every astronomy routine. Angles in degrees.

namespace astro {

// pi / 180, written with more digits than a double holds; products are taken in
// long double and rounded once.
inline constexpr long double kRadiansPerDegree = 0.0174532925199432957692L;

constexpr double Radians(double degrees) {
  return static_cast<double>(degrees * kRadiansPerDegree);
}

constexpr double Degrees(double radians) {
  return static_cast<double>(radians / kRadiansPerDegree);
}

// Greatest integer not above x, as a real.
double FloorValue(double x);

// x reduced into [0, 360): x - 360 * floor(x / 360).
double ReduceDegrees(double x);

// c0 + c1 t + c2 t^2 + c3 t^3 + c4 t^4 by Horner's rule, reduced into [0, 360).
double PolyAngle(double t, double c4, double c3, double c2, double c1, double c0);

// Three-point interpolation of tabular values y1, y2, y3 at n = -1, 0, +1.
// Inline: the searches call it in their innermost loops.
constexpr double Interpolate3(double y1, double y2, double y3, double n) {
  return y2 + (n / 2.0) * ((y3 - y1) + n * (y1 - 2.0 * y2 + y3));
}

// Arc sine in degrees, as arctan(x / sqrt(1 - x^2)); x is clamped into [-1, 1].
double ArcSinDeg(double x);

// Arc cosine in degrees, 90 - ArcSinDeg(x): exactly 0 for x = 1, 180 for x = -1.
double ArcCosDeg(double x);

// sin x / cos x, x in radians.
double TanValue(double x);

// Angle of the point (x, y) in degrees, in (-180, 180].
double Atan2Deg(double x, double y);

} // namespace astro

namespace astro {

// Time of day of a date-time rounded to the nearest minute (ties to even), as a
// fraction of a day in single precision: (minute + 0.1) / 1440. The date is
// dropped, 23:59:30 and later stay at 23:59 (never 24:00), and the extra tenth
// of a minute keeps a formatter that truncates on the same minute.
float RoundToMinute(double t);

} // namespace astro
