// SPDX-License-Identifier: GPL-3.0-or-later
#include "crossings.h"

#include "numeric.h"

#include <algorithm>
#include <cmath>

namespace astro {
namespace {

constexpr double kScanPrecision = 0.5 / 86400.0; // days

// How far (degrees) x lies outside [low, high]; 0 inside.
double DistanceOutside(double x, double low, double high) { return std::max({low - x, x - high, 0.0}); }

// True when the body cannot reach h0 (degrees) at any hour of the day: its
// altitude stays within [|latitude + declination| - 90, 90 - |latitude -
// declination|] for every declination of the day, and h0 lies outside those
// bounds by more than rounding. The scan would then find nothing.
bool CannotReach(const DayAltitude& altitude, double h0) {
  constexpr double kRounding = 1e-6; // degrees
  const DayAltitude::Range declination = altitude.DeclinationRange();
  const double latitude = altitude.Latitude();
  const double highest = 90.0 - DistanceOutside(latitude, declination.low, declination.high);
  const double lowest = DistanceOutside(-latitude, declination.low, declination.high) - 90.0;
  return highest < h0 - kRounding || lowest > h0 + kRounding;
}

} // namespace

bool IsCrossing(const DayAltitude& altitude, double h0, double t, bool rising) {
  if (IsMissingEvent(t)) return false;
  const DayAltitude::SineAndRate here = altitude.SineAndRateAt(t);
  if (!(std::fabs(ArcSinDeg(here.sine) - h0) <= kCrossingTolerance)) return false;
  return rising ? here.rate > 0.0 : here.rate < 0.0;
}

bool FitsTheDaysEnds(const DayAltitude& altitude, double sinH0, double halfArc, double rise, double set) {
  const bool hasRise = !IsMissingEvent(rise), hasSet = !IsMissingEvent(set);
  if (!hasRise && !hasSet) return false;
  const bool firstIsSet = hasSet && (!hasRise || set < rise);
  const bool lastIsRise = hasRise && (!hasSet || rise > set);
  return altitude.IsAtOrAboveAtMidnight(0, sinH0, halfArc) == firstIsSet &&
         altitude.IsAtOrAboveAtMidnight(1, sinH0, halfArc) == lastIsRise;
}

DayCrossings ScanCrossings(const DayAltitude& altitude, double h0) {
  if (CannotReach(altitude, h0)) return {};
  const double sinH0 = std::sin(Radians(h0));
  const auto above = [&](double t) { return altitude.SineAt(t) >= sinH0; };
  DayCrossings found;
  const int samples = static_cast<int>(std::lround(1.0 / kScanStep));
  double before = 0.0;
  bool wasAbove = above(before);
  for (int k = 1; k <= samples && !(found.rise && found.set); ++k) {
    const double after = k == samples ? 1.0 : k * kScanStep;
    const bool isAbove = above(after);
    if (isAbove != wasAbove) {
      std::optional<double>& slot = isAbove ? found.rise : found.set;
      if (!slot) {
        double low = before, high = after;
        while (high - low > kScanPrecision) {
          const double middle = 0.5 * (low + high);
          (above(middle) == wasAbove ? low : high) = middle;
        }
        slot = 0.5 * (low + high);
      }
    }
    before = after;
    wasAbove = isAbove;
  }
  return found;
}

} // namespace astro
