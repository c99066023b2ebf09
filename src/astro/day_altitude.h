// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"
#include "numeric.h"

#include <algorithm>
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
  // start, 1 its end); the same answer, cheaper. With the middle day's
  // declination held, the sine there minus sinH0 is cos(latitude)
  // cos(declination) (cos H - cos H0), H0 the half arc above the altitude
  // (degrees; negative when the caller has none): where that product, bounded
  // below without a cosine, exceeds what the day's change of declination can
  // shift, H < H0 decides; else its cosine does; else SineAt itself.
  bool IsAtOrAboveAtMidnight(int midnight, double sinH0, double halfArc = -1.0) const;
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
  // At the two midnights: the hour angle brought into [0, pi] (radians), and
  // how far the sine of the altitude may lie from its value with the middle
  // day's declination.
  double midnightHourAngles_[2];
  double midnightBounds_[2];
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

inline bool DayAltitude::IsAtOrAboveAtMidnight(int midnight, double sinH0, double halfArc) const {
  constexpr double kPi = 3.14159265358979323846;
  const double hourAngle = midnightHourAngles_[midnight];
  const double bound = midnightBounds_[midnight];
  const double k = cosLatitude_ * cosMiddleDeclination_;
  if (halfArc >= 0.0) {
    // |cos H - cos H0| = 2 sin((H + H0) / 2) sin(|H0 - H| / 2), and sin x >= 2x / pi on [0, pi / 2].
    const double h0 = Radians(halfArc);
    const double a = 0.5 * (hourAngle + h0), b = 0.5 * std::fabs(h0 - hourAngle);
    const double least = k * 2.0 * (2.0 / kPi) * std::min(a, kPi - a) * (2.0 / kPi) * b;
    if (least > bound + 1e-9) return hourAngle < h0;
  }
  const double middle = sinLatitude_ * sinMiddleDeclination_ + k * std::cos(hourAngle) - sinH0;
  if (middle > bound) return true;
  if (middle < -bound) return false;
  return SineAt(midnight) >= sinH0;
}

} // namespace astro
