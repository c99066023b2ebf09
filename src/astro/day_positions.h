// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Sun's and the Moon's positions at 0h UT of the day before, the day and the
// day after the prepared date: the three-day window that the rise/transit/set
// search and the illumination interpolate in.

#include "astro_state.h"

#include <array>

namespace astro {

struct BodyRecord {
  EclipticPosition ecliptic;
  EquatorialPosition equatorial;
};

// Sun and Moon at one instant.
struct DayRecord {
  BodyRecord sun;
  BodyRecord moon;
};

// Sets state.CenturiesT to 0h UT of the prepared date plus dayOffset days and
// computes both bodies there (nutation and obliquity stay those of the date).
DayRecord ComputeDayRecord(AstroState& state, int dayOffset);

// Longitude, latitude, parallax (degrees) for each of the three days in turn.
using EclipticTable = std::array<double, 9>;

struct ThreeDayWindow {
  std::array<DayRecord, 3> days; // the day before, the day, the day after

  PositionTable SunPositions() const;
  PositionTable MoonPositions() const;
  EclipticTable SunEcliptic() const;
  EclipticTable MoonEcliptic() const;
  // The Moon's horizontal parallax at 0h UT of the day itself, degrees.
  double MoonParallax() const { return days[1].moon.ecliptic.parallax; }
};

// All three days for the prepared date; PrepareDay() must have run.
ThreeDayWindow ComputeThreeDayWindow(AstroState& state);

// The Moon's illuminated fraction (0..1) at a time t of the local day (fraction
// of a day in the clock of state.ZoneHours), interpolated in the three-day
// ecliptic tables of the Moon and the Sun.
double MoonIllumination(const AstroState& state, EclipticTable moon, EclipticTable sun, double t);

} // namespace astro
