// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Apparent geocentric places of the Sun and the Moon for the event searches,
// and their altitude at a place.

#include "sky_event.h"

#include <cmath>

namespace sky_events {

// Ecliptic longitude and latitude of date (degrees, nutation and, for the Sun,
// aberration included) and the distance from the Earth's centre in km.
struct GeocentricPlace {
  double longitudeDeg = 0.0;
  double latitudeDeg = 0.0;
  double distanceKm = 0.0;
};

// The Sun from VSOP87 as truncated in earth_series.h: about 1 arc second, some
// fifty times closer than the day view's short solar theory, which matters
// for a season's instant and an eclipse's contacts.
GeocentricPlace SunAt(double jdTt);

// The Sun over three days about an instant, from three places a day apart:
// quadratic interpolation stays within 0.01 arc second of SunAt there and
// spares the searches, which ask for the Sun dozens of times, its series.
class SunTrack {
public:
  explicit SunTrack(double centreJdTt);
  GeocentricPlace At(double jdTt) const;

private:
  double centre_;
  GeocentricPlace before_, middle_, after_; // longitudes made continuous
};

// The Moon from the day view's own lunar series (about 10 arc seconds).
GeocentricPlace MoonAt(double jdTt);

// The Earth-Moon centre distance alone, km: the cheaper call for the apsides.
double MoonDistanceKm(double jdTt);

// Topocentric altitude (degrees, no refraction) of a body's centre at a place
// at an instant (Julian Day, UT), from its geocentric place.
double TopocentricAltitudeDeg(const GeocentricPlace& body, double jdUt, const GeoSite& site);

// An angle or a difference of angles in degrees, brought into [-180, 180).
inline double Wrap180(double degrees) { return degrees - 360.0 * std::floor((degrees + 180.0) / 360.0); }

inline constexpr double kEarthEquatorialRadiusKm = 6378.14;
inline constexpr double kKmPerAstronomicalUnit = 149597870.7;

} // namespace sky_events
