// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_altitude.h"

#include "numeric.h"

#include <cmath>

namespace astro {
namespace {

// Sidereal degrees turned per solar day.
constexpr double kSiderealRate = 360.985647;

} // namespace

DayAltitude::DayAltitude(const AstroState& state, PositionTable positions)
    : positions_(positions), longitude_(state.SiteLongitude), siderealTime0_(state.SiderealTime0),
      zoneDays_(state.ZoneHours / 24.0), deltaTDays_(state.DeltaTDays) {
  // Keep the right ascensions continuous across 0/360.
  if (positions_[0] > positions_[2]) positions_[0] -= 360.0;
  if (positions_[2] > positions_[4]) positions_[4] += 360.0;
  const double phi = Radians(state.SiteLatitude);
  sinLatitude_ = std::sin(phi);
  cosLatitude_ = std::cos(phi);
}

DayAltitude::Direction DayAltitude::DirectionAt(double t) const {
  const double m = t + zoneDays_; // from 0h UT of the day
  const double n = m + deltaTDays_;
  const double alpha = Interpolate3(positions_[0], positions_[2], positions_[4], n);
  const double delta = Radians(Interpolate3(positions_[1], positions_[3], positions_[5], n));
  const double theta = siderealTime0_ + kSiderealRate * m;
  return {Radians(theta - longitude_ - alpha), std::sin(delta), std::cos(delta), n};
}

double DayAltitude::SineAt(double t) const {
  const Direction d = DirectionAt(t);
  return sinLatitude_ * d.sinDeclination + cosLatitude_ * d.cosDeclination * std::cos(d.hourAngle);
}

DayAltitude::SineAndRate DayAltitude::SineAndRateAt(double t) const {
  const Direction d = DirectionAt(t);
  // Rates of the interpolated right ascension and declination, degrees per day.
  const auto slope = [&](int first) {
    const double y1 = positions_[first], y2 = positions_[first + 2], y3 = positions_[first + 4];
    return 0.5 * (y3 - y1) + d.n * (y1 - 2.0 * y2 + y3);
  };
  const double hourAngleRate = Radians(kSiderealRate - slope(0)); // radians per day
  const double declinationRate = Radians(slope(1));
  const double cosH = std::cos(d.hourAngle);
  return {sinLatitude_ * d.sinDeclination + cosLatitude_ * d.cosDeclination * cosH,
          (sinLatitude_ * d.cosDeclination - cosLatitude_ * d.sinDeclination * cosH) * declinationRate -
              cosLatitude_ * d.cosDeclination * std::sin(d.hourAngle) * hourAngleRate};
}

double DayAltitude::At(double t) const { return ArcSinDeg(SineAt(t)); }

double DayAltitude::AzimuthAt(double t) const {
  const Direction d = DirectionAt(t);
  return Atan2Deg(std::cos(d.hourAngle) * sinLatitude_ - (d.sinDeclination / d.cosDeclination) * cosLatitude_,
                  std::sin(d.hourAngle)) +
         180.0;
}

} // namespace astro
