// SPDX-License-Identifier: GPL-3.0-or-later
#include "shadow_geometry.h"

#include "astro/numeric.h"
#include "body_positions.h"

#include <cmath>

namespace sky_events {
namespace {

// Angular separation of two ecliptic places close together (degrees): plane
// geometry is exact to far below an arc second within a few degrees.
double CloseSeparation(double longitude1, double latitude1, double longitude2, double latitude2) {
  const double x = Wrap180(longitude1 - longitude2) * std::cos(astro::Radians(0.5 * (latitude1 + latitude2)));
  return std::hypot(x, latitude1 - latitude2);
}

double AngularRadius(double radiusKm, double distanceKm) { return astro::ArcSinDeg(radiusKm / distanceKm); }

} // namespace

ShadowGeometry EarthShadowAt(double jdTt, const SunTrack& sunTrack) {
  const GeocentricPlace moon = MoonAt(jdTt);
  const GeocentricPlace sun = sunTrack.At(jdTt);
  const double moonParallax = AngularRadius(kEarthEquatorialRadiusKm, moon.distanceKm);
  const double sunParallax = AngularRadius(kEarthEquatorialRadiusKm, sun.distanceKm);
  const double sunRadius = AngularRadius(kSunRadiusKm, sun.distanceKm);
  ShadowGeometry g;
  g.separationDeg = CloseSeparation(moon.longitudeDeg, moon.latitudeDeg, sun.longitudeDeg + 180.0, -sun.latitudeDeg);
  g.moonRadiusDeg = AngularRadius(kMoonRadiusInEarthRadii * kEarthEquatorialRadiusKm, moon.distanceKm);
  g.umbraRadiusDeg = 1.01 * moonParallax + sunParallax - sunRadius;
  g.penumbraRadiusDeg = 1.01 * moonParallax + sunParallax + sunRadius;
  return g;
}

SunMoonGeometry SunMoonAt(double jdTt, const SunTrack& sunTrack) {
  const GeocentricPlace moon = MoonAt(jdTt);
  const GeocentricPlace sun = sunTrack.At(jdTt);
  const double moonParallax = AngularRadius(kEarthEquatorialRadiusKm, moon.distanceKm);
  const double sunParallax = AngularRadius(kEarthEquatorialRadiusKm, sun.distanceKm);
  return {CloseSeparation(moon.longitudeDeg, moon.latitudeDeg, sun.longitudeDeg, sun.latitudeDeg),
          moonParallax - sunParallax + AngularRadius(kSunRadiusKm, sun.distanceKm) +
              AngularRadius(kMoonRadiusInEarthRadii * kEarthEquatorialRadiusKm, moon.distanceKm)};
}

} // namespace sky_events
