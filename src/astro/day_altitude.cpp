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

double DayAltitude::HourAngleAt(double t) const {
  const double m = t + zoneDays_; // from 0h UT of the day
  const double alpha = Interpolate3(positions_[0], positions_[2], positions_[4], m + deltaTDays_);
  return siderealTime0_ + kSiderealRate * m - longitude_ - alpha;
}

DayAltitude::Direction DayAltitude::DirectionAt(double t) const {
  const double n = t + zoneDays_ + deltaTDays_;
  const double delta = Radians(Interpolate3(positions_[1], positions_[3], positions_[5], n));
  const double hourAngle = HourAngleAt(t);
  const double h = Radians(hourAngle);
  return {hourAngle, std::sin(h), std::cos(h), std::sin(delta), std::cos(delta), n};
}

double DayAltitude::SineOf(const Direction& d) const {
  return sinLatitude_ * d.sinDeclination + cosLatitude_ * d.cosDeclination * d.cosHourAngle;
}

double DayAltitude::SineAt(double t) const { return SineOf(DirectionAt(t)); }

DayAltitude::SineAndRate DayAltitude::SineAndRateAt(double t) const {
  const Direction d = DirectionAt(t);
  // Rates of the interpolated right ascension and declination, degrees per day.
  const auto slope = [&](int first) {
    const double y1 = positions_[first], y2 = positions_[first + 2], y3 = positions_[first + 4];
    return 0.5 * (y3 - y1) + d.n * (y1 - 2.0 * y2 + y3);
  };
  const double hourAngleRate = Radians(kSiderealRate - slope(0)); // radians per day
  const double declinationRate = Radians(slope(1));
  return {SineOf(d),
          (sinLatitude_ * d.cosDeclination - cosLatitude_ * d.sinDeclination * d.cosHourAngle) * declinationRate -
              cosLatitude_ * d.cosDeclination * d.sinHourAngle * hourAngleRate};
}

double DayAltitude::At(double t) const { return ArcSinDeg(SineAt(t)); }

double DayAltitude::AzimuthOf(const Direction& d) const {
  return Atan2Deg(d.cosHourAngle * sinLatitude_ - (d.sinDeclination / d.cosDeclination) * cosLatitude_,
                  d.sinHourAngle) +
         180.0;
}

double DayAltitude::AzimuthAt(double t) const { return AzimuthOf(DirectionAt(t)); }

} // namespace astro
