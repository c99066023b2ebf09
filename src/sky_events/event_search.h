// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two one-dimensional searches the eclipse routines share. Times are
// Julian Days; a tolerance of 1e-6 day is a tenth of a second.

#include <cmath>

namespace sky_events {

// The minimum of a function with one minimum on [a, b], by golden section.
template <typename F>
double MinimumBetween(F f, double a, double b, double tolerance = 1e-6) {
  constexpr double kRatio = 0.6180339887498949;
  double x1 = b - kRatio * (b - a);
  double x2 = a + kRatio * (b - a);
  double f1 = f(x1);
  double f2 = f(x2);
  while (b - a > tolerance) {
    if (f1 < f2) {
      b = x2;
      x2 = x1;
      f2 = f1;
      x1 = b - kRatio * (b - a);
      f1 = f(x1);
    } else {
      a = x1;
      x1 = x2;
      f1 = f2;
      x2 = a + kRatio * (b - a);
      f2 = f(x2);
    }
  }
  return 0.5 * (a + b);
}

// The root of f on [a, b] where f(a) and f(b) differ in sign, by the Illinois
// variant of false position: as sure as bisection, nearly as fast as secant.
template <typename F>
double RootBetween(F f, double a, double b, double tolerance = 1e-6) {
  double fa = f(a);
  double fb = f(b);
  int side = 0;
  for (int step = 0; step < 60 && b - a > tolerance; ++step) {
    const double x = (a * fb - b * fa) / (fb - fa);
    const double fx = f(x);
    if (fx == 0.0) return x;
    if ((fx < 0.0) == (fa < 0.0)) {
      a = x;
      fa = fx;
      if (side == -1) fb *= 0.5;
      side = -1;
    } else {
      b = x;
      fb = fx;
      if (side == 1) fa *= 0.5;
      side = 1;
    }
    if (std::abs(fx) < 1e-9) return x;
  }
  return 0.5 * (a + b);
}

} // namespace sky_events
