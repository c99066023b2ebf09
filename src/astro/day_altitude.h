// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"
#include "numeric.h"

#include <cmath>

namespace astro {

// A body's altitude through one local civil day, from its three-day position
// table interpolated exactly as the rise, transit and set search interpolates
// it. Times t are fractions of the local day (local midnight to local
// midnight in the clock of state.ZoneHours); PrepareDay() must have run.
class DayAltitude {
public:
  // Sidereal degrees turned per solar day.
  static constexpr double kSiderealRate = 360.985647;

  DayAltitude(const AstroState& state, PositionTable positions);

  // Degrees.
  double At(double t) const;
  // The sine of At(t): cheaper, and in the same order.
  double SineAt(double t) const;
  // SineAt(t) and how fast it changes (per day), from one evaluation.
  struct SineAndRate {
    double sine, rate;
  };
  SineAndRate SineAndRateAt(double t) const;
  // Whether SineAt(midnight) >= sinH0 at a midnight of the local day (0 its
  // start, 1 its end): decided from the middle day's declination, worked out
  // once for every altitude searched, where the day's change of declination
  // cannot tip it, else from SineAt itself. The same answer, cheaper.
  bool IsAtOrAboveAtMidnight(int midnight, double sinH0) const;
  // Degrees from North through East, (0, 360].
  double AzimuthAt(double t) const;

  // Where the body stands at time t, for searches that step through the day.
  struct Direction {
    double hourAngle; // degrees, not reduced
    double sinHourAngle, cosHourAngle;
    double sinDeclination, cosDeclination;
    double n; // days from 0h UT of the day, as interpolated
  };
  Direction DirectionAt(double t) const;
  // Its hour angle alone (degrees, not reduced): cheaper.
  double HourAngleAt(double t) const;
  double SineOf(const Direction& d) const;
  // How fast SineOf changes there, per day: arithmetic on d alone.
  double SineRateOf(const Direction& d) const;
  double AzimuthOf(const Direction& d) const;
  // The least and the greatest declination (degrees) of the local day.
  struct Range {
    double low, high;
  };
  Range DeclinationRange() const;
  double Latitude() const { return latitude_; } // degrees
  double SinLatitude() const { return sinLatitude_; }
  double CosLatitude() const { return cosLatitude_; }
  // The middle day's right ascension (degrees), and the sine and cosine of
  // its declination, at 0h of its UT day.
  double MiddleRightAscension() const { return positions_[2]; }
  double SinMiddleDeclination() const { return sinMiddleDeclination_; }
  double CosMiddleDeclination() const { return cosMiddleDeclination_; }

private:
  PositionTable positions_; // right ascensions made continuous across 0/360
  double latitude_; // degrees
  double sinLatitude_, cosLatitude_;
  double sinMiddleDeclination_, cosMiddleDeclination_;
  // At the two midnights: the sine of the altitude with the middle day's
  // declination, and how far the true sine may lie from it.
  struct MidnightEstimate {
    double sine, bound;
  };
  MidnightEstimate midnights_[2];
  MidnightEstimate EstimateAt(double t) const;
  double longitude_;     // degrees, West positive
  double siderealTime0_; // degrees
  double zoneDays_;      // local midnight on the UT-day scale
  double deltaTDays_;
};

// The members below are inline: the searches call them in their innermost loops.

inline double DayAltitude::HourAngleAt(double t) const {
  const double m = t + zoneDays_; // from 0h UT of the day
  const double alpha = Interpolate3(positions_[0], positions_[2], positions_[4], m + deltaTDays_);
  return siderealTime0_ + kSiderealRate * m - longitude_ - alpha;
}

inline DayAltitude::Direction DayAltitude::DirectionAt(double t) const {
  const double n = t + zoneDays_ + deltaTDays_;
  const double delta = Radians(Interpolate3(positions_[1], positions_[3], positions_[5], n));
  const double hourAngle = HourAngleAt(t);
  const double h = Radians(hourAngle);
  return {hourAngle, std::sin(h), std::cos(h), std::sin(delta), std::cos(delta), n};
}

inline double DayAltitude::SineOf(const Direction& d) const {
  return sinLatitude_ * d.sinDeclination + cosLatitude_ * d.cosDeclination * d.cosHourAngle;
}

inline double DayAltitude::SineRateOf(const Direction& d) const {
  // Rates of the interpolated right ascension and declination, degrees per day.
  const auto slope = [&](int first) {
    const double y1 = positions_[first], y2 = positions_[first + 2], y3 = positions_[first + 4];
    return 0.5 * (y3 - y1) + d.n * (y1 - 2.0 * y2 + y3);
  };
  const double hourAngleRate = Radians(kSiderealRate - slope(0)); // radians per day
  const double declinationRate = Radians(slope(1));
  return (sinLatitude_ * d.cosDeclination - cosLatitude_ * d.sinDeclination * d.cosHourAngle) * declinationRate -
         cosLatitude_ * d.cosDeclination * d.sinHourAngle * hourAngleRate;
}

inline double DayAltitude::AzimuthOf(const Direction& d) const {
  return Atan2Deg(d.cosHourAngle * sinLatitude_ - (d.sinDeclination / d.cosDeclination) * cosLatitude_,
                  d.sinHourAngle) +
         180.0;
}

inline bool DayAltitude::IsAtOrAboveAtMidnight(int midnight, double sinH0) const {
  const MidnightEstimate& e = midnights_[midnight];
  if (e.sine - sinH0 > e.bound) return true;
  if (e.sine - sinH0 < -e.bound) return false;
  return SineAt(midnight) >= sinH0;
}

} // namespace astro
