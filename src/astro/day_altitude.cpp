// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_altitude.h"

#include "numeric.h"

#include <cmath>

namespace astro {
DayAltitude::DayAltitude(const AstroState& state, PositionTable positions)
    : positions_(positions), longitude_(state.SiteLongitude), siderealTime0_(state.SiderealTime0),
      zoneDays_(state.ZoneHours / 24.0), deltaTDays_(state.DeltaTDays) {
  // Keep the right ascensions continuous across 0/360.
  if (positions_[0] > positions_[2]) positions_[0] -= 360.0;
  if (positions_[2] > positions_[4]) positions_[4] += 360.0;
  const double phi = Radians(state.SiteLatitude);
  sinLatitude_ = std::sin(phi);
  cosLatitude_ = std::cos(phi);
  const double middle = Radians(positions_[3]);
  sinMiddleDeclination_ = std::sin(middle);
  cosMiddleDeclination_ = std::cos(middle);
  midnights_[0] = EstimateAt(0.0);
  midnights_[1] = EstimateAt(1.0);
}

double DayAltitude::SineAt(double t) const { return SineOf(DirectionAt(t)); }

DayAltitude::SineAndRate DayAltitude::SineAndRateAt(double t) const {
  const Direction d = DirectionAt(t);
  return {SineOf(d), SineRateOf(d)};
}

DayAltitude::MidnightEstimate DayAltitude::EstimateAt(double t) const {
  const double n = t + zoneDays_ + deltaTDays_;
  const double change = Radians(Interpolate3(positions_[1], positions_[3], positions_[5], n) - positions_[3]);
  // sin and cos move by at most |change| (radians) each; the last term
  // covers rounding.
  return {sinLatitude_ * sinMiddleDeclination_ +
              cosLatitude_ * cosMiddleDeclination_ * std::cos(Radians(HourAngleAt(t))),
          (std::fabs(sinLatitude_) + std::fabs(cosLatitude_)) * std::fabs(change) + 1e-12};
}

double DayAltitude::At(double t) const { return ArcSinDeg(SineAt(t)); }

double DayAltitude::AzimuthAt(double t) const { return AzimuthOf(DirectionAt(t)); }

} // namespace astro
