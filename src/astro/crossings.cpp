// SPDX-License-Identifier: GPL-3.0-or-later
#include "crossings.h"

#include "numeric.h"

#include <cmath>

namespace astro {
namespace {

constexpr double kSlopeStep = 30.0 / 86400.0;   // days either side of a crossing
constexpr double kScanPrecision = 0.5 / 86400.0; // days

} // namespace

bool IsCrossing(const DayAltitude& altitude, double h0, double t, bool rising) {
  if (IsMissingEvent(t)) return false;
  if (!(std::fabs(altitude.At(t) - h0) <= kCrossingTolerance)) return false;
  const double climb = altitude.SineAt(t + kSlopeStep) - altitude.SineAt(t - kSlopeStep);
  return rising ? climb > 0.0 : climb < 0.0;
}

bool StartsTheDayRight(const DayAltitude& altitude, double h0, double rise, double set) {
  const bool aboveAtMidnight = altitude.SineAt(0.0) >= std::sin(Radians(h0));
  return aboveAtMidnight == (set < rise);
}

DayCrossings ScanCrossings(const DayAltitude& altitude, double h0) {
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
