// SPDX-License-Identifier: GPL-3.0-or-later
#include "moon_phases.h"

#include "body_positions.h"

#include <cmath>

namespace sky_events {
namespace {

// The mean new moon of lunation k (k = 0 the new moon of 2000-01-06), JDE,
// from Meeus chapter 49; the true one lies within about 14 hours of it.
constexpr double kMeanNewMoonZero = 2451550.09766;
constexpr double kSynodicMonthDays = 29.530588861;

// The instant near `guess` where the elongation equals `target` degrees: secant
// steps on a function whose rate (11 to 15 degrees a day) never vanishes.
double SolveElongation(double guess, double target) {
  const SunTrack sun(guess);
  const auto elongation = [&sun](double jdTt) { return MoonAt(jdTt).longitudeDeg - sun.At(jdTt).longitudeDeg; };
  double t0 = guess;
  double f0 = Wrap180(elongation(t0) - target);
  double t1 = t0 - f0 / 12.19;
  for (int step = 0; step < 8; ++step) {
    const double f1 = Wrap180(elongation(t1) - target);
    if (std::abs(f1) < 1e-6 || f1 == f0) break;
    const double next = t1 - f1 * (t1 - t0) / (f1 - f0);
    t0 = t1;
    f0 = f1;
    t1 = next;
  }
  return t1;
}

} // namespace

std::vector<double> SyzygiesBetween(double fromJdTt, double toJdTt, Syzygy which) {
  const double phase = which == Syzygy::FullMoon ? 0.5 : 0.0;
  const double target = which == Syzygy::FullMoon ? 180.0 : 0.0;
  std::vector<double> instants;
  instants.reserve(static_cast<std::size_t>((toJdTt - fromJdTt) / kSynodicMonthDays) + 2);
  for (double k = std::floor((fromJdTt - kMeanNewMoonZero) / kSynodicMonthDays) - 1.0;; k += 1.0) {
    const double mean = kMeanNewMoonZero + kSynodicMonthDays * (k + phase);
    if (mean > toJdTt + 1.0) break;
    const double instant = SolveElongation(mean, target);
    if (instant >= fromJdTt && instant < toJdTt) instants.push_back(instant);
  }
  return instants;
}

} // namespace sky_events
