// SPDX-License-Identifier: GPL-3.0-or-later
#include "sun_moon_track.h"

#include "astro/numeric.h"
#include "astro/sun.h"
#include "astro/time_scales.h"
#include "body_positions.h"
#include "event_time.h"

#include <cmath>

namespace sky_events {
namespace {

// Sidereal degrees turned per solar day.
constexpr double kSiderealRate = 360.985647;

// A geocentric place in the equatorial frame of the prepared date, Earth radii.
Vector3 EquatorialVector(const astro::AstroState& state, const GeocentricPlace& place) {
  const astro::EquatorialPosition p = astro::EclipticToEquatorial(state, place.longitudeDeg, place.latitudeDeg);
  const double alpha = astro::Radians(p.rightAscension);
  const double delta = astro::Radians(p.declination);
  const double distance = place.distanceKm / kEarthEquatorialRadiusKm;
  return {distance * std::cos(delta) * std::cos(alpha), distance * std::cos(delta) * std::sin(alpha),
          distance * std::sin(delta)};
}

} // namespace

SunMoonTrack::SunMoonTrack(double centreJdUt) : SunMoonTrack(centreJdUt, DeltaTSeconds(centreJdUt)) {}

SunMoonTrack::SunMoonTrack(double centreJdUt, double deltaTSeconds) : centreJdUt_(centreJdUt) {
  // Obliquity and sidereal time as the day view prepares them for the date;
  // over the span they drift by well under a milli-arc-second.
  astro::AstroState state;
  state.CalcDate = std::floor(centreJdUt - kJulianDayOfDateTimeZero);
  astro::PrepareDay(state);
  siderealAtCentreDeg_ =
      state.SiderealTime0 + kSiderealRate * (centreJdUt - kJulianDayOfDateTimeZero - state.CalcDate);
  for (int i = 0; i < kNodes; ++i) {
    const double jdTt = FirstJdUt() + i * (2.0 * kHalfSpanDays / (kNodes - 1)) + deltaTSeconds / kSecondsPerDay;
    sun_[i] = EquatorialVector(state, SunAt(jdTt));
    moon_[i] = EquatorialVector(state, MoonAt(jdTt));
  }
}

double SunMoonTrack::GreenwichSiderealDeg(double jdUt) const {
  return siderealAtCentreDeg_ + kSiderealRate * (jdUt - centreJdUt_);
}

Vector3 SunMoonTrack::Interpolate(const std::array<Vector3, kNodes>& nodes, double jdUt) const {
  // Lagrange's polynomial through the nodes, u counting node spacings from the first.
  const double u = (jdUt - FirstJdUt()) / (2.0 * kHalfSpanDays / (kNodes - 1));
  Vector3 sum;
  for (int i = 0; i < kNodes; ++i) {
    double weight = 1.0;
    for (int j = 0; j < kNodes; ++j)
      if (j != i) weight *= (u - j) / (i - j);
    sum.x += weight * nodes[i].x;
    sum.y += weight * nodes[i].y;
    sum.z += weight * nodes[i].z;
  }
  return sum;
}

} // namespace sky_events
