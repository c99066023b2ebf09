// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_positions.h"

#include "moon.h"
#include "numeric.h"
#include "sun.h"

#include <cmath>

namespace astro {
namespace {

constexpr double kCenturiesPerDay = 1.0 / 36525.0;

BodyRecord Record(const AstroState& state, const EclipticPosition& ecliptic) {
  return {ecliptic, EclipticToEquatorial(state, ecliptic.longitude, ecliptic.latitude)};
}

PositionTable Equatorial(const std::array<DayRecord, 3>& days, BodyRecord DayRecord::*body) {
  PositionTable table{};
  for (std::size_t i = 0; i < 3; ++i) {
    table[2 * i] = (days[i].*body).equatorial.rightAscension;
    table[2 * i + 1] = (days[i].*body).equatorial.declination;
  }
  return table;
}

EclipticTable Ecliptic(const std::array<DayRecord, 3>& days, BodyRecord DayRecord::*body) {
  EclipticTable table{};
  for (std::size_t i = 0; i < 3; ++i) {
    const EclipticPosition& p = (days[i].*body).ecliptic;
    table[3 * i] = p.longitude;
    table[3 * i + 1] = p.latitude;
    table[3 * i + 2] = p.parallax;
  }
  return table;
}

// Makes three tabulated longitudes continuous across 0/360.
void UnwrapLongitudes(EclipticTable& table) {
  if (table[0] > table[3]) table[0] -= 360.0;
  if (table[3] > table[6]) table[6] += 360.0;
}

} // namespace

DayRecord ComputeDayRecord(AstroState& state, int dayOffset) {
  state.CenturiesT = state.CenturiesT0 + dayOffset * kCenturiesPerDay;
  // The Sun's latitude is 0, so its record converts with latitude 0.
  return {Record(state, SunPosition(state)), Record(state, MoonPosition(state))};
}

PositionTable ThreeDayWindow::SunPositions() const { return Equatorial(days, &DayRecord::sun); }
PositionTable ThreeDayWindow::MoonPositions() const { return Equatorial(days, &DayRecord::moon); }
EclipticTable ThreeDayWindow::SunEcliptic() const { return Ecliptic(days, &DayRecord::sun); }
EclipticTable ThreeDayWindow::MoonEcliptic() const { return Ecliptic(days, &DayRecord::moon); }

ThreeDayWindow ComputeThreeDayWindow(AstroState& state) {
  return {{ComputeDayRecord(state, -1), ComputeDayRecord(state, 0), ComputeDayRecord(state, 1)}};
}

double MoonIllumination(const AstroState& state, EclipticTable moon, EclipticTable sun, double t) {
  const double n = t + state.ZoneHours / 24.0; // from 0h UT of the day
  UnwrapLongitudes(moon);
  UnwrapLongitudes(sun);
  const double moonLongitude = Interpolate3(moon[0], moon[3], moon[6], n);
  const double moonLatitude = Interpolate3(moon[1], moon[4], moon[7], n);
  const double sunLongitude = Interpolate3(sun[0], sun[3], sun[6], n);
  return (1.0 - std::cos(Radians(moonLatitude)) * std::cos(Radians(moonLongitude - sunLongitude))) * 0.5;
}

} // namespace astro
