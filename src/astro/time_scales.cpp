// SPDX-License-Identifier: GPL-3.0-or-later
#include "time_scales.h"

#include "date_time.h"
#include "numeric.h"

#include <cmath>
#include <initializer_list>

namespace astro {
namespace {

constexpr double kDaysPerCentury = 36525.0;
constexpr double kSecondsPerDay = 86400.0;

// Horner's rule; coefficients from the highest power down.
double Horner(double x, std::initializer_list<double> coefficients) {
  double sum = 0.0;
  for (const double c : coefficients) sum = sum * x + c;
  return sum;
}

// The long-term parabola, seconds.
double DeltaTLongTerm(double t) { return Horner(t, {46.5, 573.36, 2715.6}); }
double DeltaTModern(double t) { return Horner(t, {32.5, 123.5, 102.3}); }

} // namespace

double ComputeDeltaT(double date, double t) {
  const int year = CivilFromDateTime(date).year;
  const double u = t + 1.0; // centuries from 1900
  if (year < 948) return DeltaTLongTerm(t) / kSecondsPerDay;
  if (year < 1600) return Horner(t, {22.5, 67.5, 50.6}) / kSecondsPerDay;
  if (year < 1800) return DeltaTModern(t) / kSecondsPerDay;
  if (year < 1900)
    return Horner(u, {2.043794, 11.636204, 28.316289, 38.291999, 31.332267, 15.845535, 4.867575,
                      0.865736, 0.083563, 0.003844, -0.000009});
  if (year < 1988)
    return Horner(u, {-0.212591, 0.677066, -0.861938, 0.553040, -0.181133, 0.025184, 0.000297,
                      -0.00002});
  if (year < 2011) return Interpolate3(56.9, 67.0, 80.0, 10.0 * t) / kSecondsPerDay;
  if (year <= 10000) return DeltaTModern(t) / kSecondsPerDay;
  return DeltaTLongTerm(t) / kSecondsPerDay;
}

void ComputeNutation(AstroState& state) {
  const double t = state.CenturiesT;
  const double omega = Radians(125.04452 - 1934.136261 * t);
  const double sunLongitude = Radians(280.4665 + 36000.7698 * t);
  const double moonLongitude = Radians(218.3165 + 481267.8813 * t);
  // Arc seconds.
  const double deltaPsi = -17.20 * std::sin(omega) - 1.32 * std::sin(2.0 * sunLongitude) -
                          0.23 * std::sin(2.0 * moonLongitude) + 0.21 * std::sin(2.0 * omega);
  const double deltaEpsilon = 9.20 * std::cos(omega) + 0.57 * std::cos(2.0 * sunLongitude) +
                              0.10 * std::cos(2.0 * moonLongitude) - 0.09 * std::cos(2.0 * omega);
  state.NutationLongitude = deltaPsi / 3600.0;
  state.NutationObliquity = deltaEpsilon / 3600.0;
}

double MeanObliquity(double t) {
  constexpr double kAtJ2000 = 23.4392911111;
  // The cubic holds for early centuries too; only far-future dates take the
  // long series.
  if (t < 10.0) return kAtJ2000 + Horner(t, {0.001813, -0.00059, -46.815, 0.0}) / 3600.0;
  const double u = t / 100.0;
  return kAtJ2000 + Horner(u, {2.45, 5.79, 27.87, 7.12, -39.05, -249.67, -51.38, 1999.25, -1.55,
                               -4680.93, 0.0}) /
                        3600.0;
}

void PrepareDay(AstroState& state) {
  state.CenturiesT0 = (state.CalcDate - J2000Epoch) / kDaysPerCentury;
  // Local midnight of the date, in UT (876600 = 24 hours * 36525 days).
  state.CenturiesT = state.CenturiesT0 + state.ZoneHours / 876600.0;
  ComputeNutation(state);
  state.TrueObliquity = Radians(MeanObliquity(state.CenturiesT) + state.NutationObliquity);
  // Mean sidereal time at 0h UT uses T0, not the shifted instant; the equation
  // of the equinoxes makes it apparent.
  const double meanSidereal =
      PolyAngle(state.CenturiesT0, 0.0, -1.0 / 38710000.0, 0.000387933, 36000.770053608, 100.46061837);
  state.SiderealTime0 =
      ReduceDegrees(meanSidereal + state.NutationLongitude * std::cos(state.TrueObliquity));
  state.DeltaTDays = ComputeDeltaT(state.CalcDate, state.CenturiesT);
}

} // namespace astro
