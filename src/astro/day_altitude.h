// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"

namespace astro {

// A body's altitude through one local civil day, from its three-day position
// table interpolated exactly as the rise, transit and set search interpolates
// it. Times t are fractions of the local day (local midnight to local
// midnight in the clock of state.ZoneHours); PrepareDay() must have run.
class DayAltitude {
public:
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
  double AzimuthOf(const Direction& d) const;
  double SinLatitude() const { return sinLatitude_; }
  double CosLatitude() const { return cosLatitude_; }

private:
  PositionTable positions_; // right ascensions made continuous across 0/360
  double sinLatitude_, cosLatitude_;
  double longitude_;     // degrees, West positive
  double siderealTime0_; // degrees
  double zoneDays_;      // local midnight on the UT-day scale
  double deltaTDays_;
};

} // namespace astro
