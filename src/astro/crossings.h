// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Crossings of an altitude through the local civil day, on the positions of
// a DayAltitude: the check of a found time and the bracketing search that
// stands in where the check fails.

#include "day_altitude.h"

#include <cmath>
#include <optional>

namespace astro {

// Largest difference (degrees, 2.4 arc minutes) between the altitude at a
// found rise or set and the altitude searched for. The corrections leave at
// most about 1.7 arc minutes at the shallowest true crossings below 60 degrees
// (the time then within half a minute); a false event is off by degrees.
inline constexpr double kCrossingTolerance = 0.04;

// True when t (fraction of the local day) is a crossing of altitude h0
// (degrees): the body is within kCrossingTolerance of it there and climbing
// through it (rising) or sinking through it (not rising).
bool IsCrossing(const DayAltitude& altitude, double h0, double t, bool rising);

// What the last correction of a search saw: the altitude (degrees) and the
// direction at its last estimate, and the step (days) it then took.
struct LastCorrection {
  double altitude;
  DayAltitude::Direction direction;
  double step;
};

// True when IsCrossing must hold at the corrected time, judged from the last
// correction alone: the altitude there is within the tolerance by more than
// the fastest altitude change (kMaxAltitudeRate) over the step can take back,
// and the climb or sink is faster than the step can reverse. False says only
// that IsCrossing has to look.
inline constexpr double kMaxAltitudeRate = 400.0; // degrees per day
inline constexpr double kMaxSineAcceleration = 60.0; // of the altitude's sine, per day squared
inline bool IsSurelyCrossing(const DayAltitude& altitude, double h0, const LastCorrection& last, bool rising) {
  const double step = std::fabs(last.step);
  if (!(std::fabs(last.altitude - h0) + kMaxAltitudeRate * step <= kCrossingTolerance)) return false;
  const double rate = altitude.SineRateOf(last.direction);
  const double reversible = kMaxSineAcceleration * step;
  return rising ? rate > reversible : rate < -reversible;
}

// True when the body's side of h0 at the two local midnights agrees with a
// rise and a set (times of the local day or markers, not both markers): below
// before a first rise, above before a first set, and the side of the last
// crossing at the end. Where it does not, the day holds a crossing that they
// miss. (Two like midnights with no crossing between may still hide a rise
// and a set, so two markers never agree.)
// sinH0 is the sine of that altitude, halfArc the classical search's half arc
// above it (degrees; negative when it had none).
bool FitsTheDaysEnds(const DayAltitude& altitude, double sinH0, double halfArc, double rise, double set);

// The first rise and the first set of the local day.
struct DayCrossings {
  std::optional<double> rise;
  std::optional<double> set;
};

// Samples the altitude every kScanStep from local midnight to local midnight
// and refines each change of sign by bisection to under a second; a day on
// which the body's declinations keep it from h0 at every hour is not sampled.
inline constexpr double kScanStep = 15.0 / 1440.0; // days
DayCrossings ScanCrossings(const DayAltitude& altitude, double h0);

} // namespace astro
