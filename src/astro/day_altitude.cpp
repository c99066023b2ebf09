// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_altitude.h"

#include "numeric.h"

#include <algorithm>
#include <cmath>

namespace astro {
DayAltitude::DayAltitude(const AstroState& state, PositionTable positions)
    : positions_(positions), longitude_(state.SiteLongitude), siderealTime0_(state.SiderealTime0),
      zoneDays_(state.ZoneHours / 24.0), deltaTDays_(state.DeltaTDays) {
  // Keep the right ascensions continuous across 0/360.
  if (positions_[0] > positions_[2]) positions_[0] -= 360.0;
  if (positions_[2] > positions_[4]) positions_[4] += 360.0;
  latitude_ = state.SiteLatitude;
  const double phi = Radians(latitude_);
  sinLatitude_ = std::sin(phi);
  cosLatitude_ = std::cos(phi);
  const double middle = Radians(positions_[3]);
  sinMiddleDeclination_ = std::sin(middle);
  cosMiddleDeclination_ = std::cos(middle);
  for (int midnight = 0; midnight < 2; ++midnight) {
    double hourAngle = HourAngleAt(midnight); // degrees
    hourAngle -= 360.0 * std::floor((hourAngle + 180.0) / 360.0);
    midnightHourAngles_[midnight] = std::fabs(Radians(hourAngle));
    // sin and cos of the declination move by at most its change (radians)
    // from the middle day's; the last term covers rounding.
    const double n = midnight + zoneDays_ + deltaTDays_;
    const double change = Radians(Interpolate3(positions_[1], positions_[3], positions_[5], n) - positions_[3]);
    midnightBounds_[midnight] = (std::fabs(sinLatitude_) + std::fabs(cosLatitude_)) * std::fabs(change) + 1e-12;
  }
}

DayAltitude::Range DayAltitude::DeclinationRange() const {
  const double y1 = positions_[1], y2 = positions_[3], y3 = positions_[5];
  const double start = zoneDays_ + deltaTDays_; // n at the day's first midnight
  const auto at = [&](double n) { return Interpolate3(y1, y2, y3, n); };
  Range range{std::min(at(start), at(start + 1.0)), std::max(at(start), at(start + 1.0))};
  // The interpolating parabola may turn within the day.
  const double curvature = y1 - 2.0 * y2 + y3;
  if (curvature != 0.0) {
    const double turn = -0.5 * (y3 - y1) / curvature;
    if (turn > start && turn < start + 1.0) {
      range.low = std::min(range.low, at(turn));
      range.high = std::max(range.high, at(turn));
    }
  }
  return range;
}

double DayAltitude::SineAt(double t) const { return SineOf(DirectionAt(t)); }

DayAltitude::SineAndRate DayAltitude::SineAndRateAt(double t) const {
  const Direction d = DirectionAt(t);
  return {SineOf(d), SineRateOf(d)};
}

double DayAltitude::At(double t) const { return ArcSinDeg(SineAt(t)); }

double DayAltitude::AzimuthAt(double t) const { return AzimuthOf(DirectionAt(t)); }

} // namespace astro
