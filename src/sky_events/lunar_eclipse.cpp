// SPDX-License-Identifier: GPL-3.0-or-later
#include "lunar_eclipse.h"

#include "astro/numeric.h"
#include "body_positions.h"
#include "event_search.h"
#include "event_time.h"
#include "shadow_geometry.h"

#include <cmath>

namespace sky_events {
namespace {

// The refraction at the horizon, degrees: the Moon counts as up while its
// upper limb is above the horizon as seen, as for moonrise and moonset.
constexpr double kHorizonRefractionDeg = 0.5667;

// Half the longest penumbral eclipse (about 6 hours) with room to spare.
constexpr double kSearchHalfWidthDays = 0.3;

LunarMoment MomentAt(double jdTt, const GeoSite& site) {
  const GeocentricPlace moon = MoonAt(jdTt);
  const double jdUt = UniversalFromTerrestrial(jdTt);
  const double altitude = TopocentricAltitudeDeg(moon, jdUt, site);
  const double radius = astro::ArcSinDeg(kMoonRadiusInEarthRadii * kEarthEquatorialRadiusKm / moon.distanceKm);
  return {jdUt, altitude, altitude + radius + kHorizonRefractionDeg > 0.0};
}

// Amount by which the Moon's limb overlaps a shadow edge: positive while any
// of it is inside (outer) or all of it is inside (inner).
enum class Edge { PenumbraOuter, UmbraOuter, UmbraInner };
double Overlap(const ShadowGeometry& g, Edge edge) {
  switch (edge) {
    case Edge::PenumbraOuter: return g.penumbraRadiusDeg + g.moonRadiusDeg - g.separationDeg;
    case Edge::UmbraOuter: return g.umbraRadiusDeg + g.moonRadiusDeg - g.separationDeg;
    case Edge::UmbraInner: return g.umbraRadiusDeg - g.moonRadiusDeg - g.separationDeg;
  }
  return 0.0;
}

// The contacts of one edge either side of greatest eclipse, if the Moon reaches it.
void FindContacts(double greatestTt, const ShadowGeometry& atGreatest, Edge edge, const SunTrack& sun,
                  const GeoSite& site,
                  std::optional<LunarMoment>& before, std::optional<LunarMoment>& after) {
  if (Overlap(atGreatest, edge) <= 0.0) return;
  const auto overlap = [edge, &sun](double jdTt) { return Overlap(EarthShadowAt(jdTt, sun), edge); };
  before = MomentAt(RootBetween(overlap, greatestTt - kSearchHalfWidthDays, greatestTt), site);
  after = MomentAt(RootBetween(overlap, greatestTt, greatestTt + kSearchHalfWidthDays), site);
}

} // namespace

std::optional<SkyEvent> LunarEclipseAtFullMoon(double fullMoonJdTt, const GeoSite& site) {
  // At opposition the separation is the latitude gap, at most 0.5 % above the least.
  const SunTrack sun(fullMoonJdTt);
  const ShadowGeometry atOpposition = EarthShadowAt(fullMoonJdTt, sun);
  if (0.99 * atOpposition.separationDeg > atOpposition.penumbraRadiusDeg + atOpposition.moonRadiusDeg) return {};

  const double greatestTt =
      MinimumBetween([&sun](double jdTt) { return EarthShadowAt(jdTt, sun).separationDeg; },
                     fullMoonJdTt - 0.2, fullMoonJdTt + 0.2);
  const ShadowGeometry g = EarthShadowAt(greatestTt, sun);
  const double diameter = 2.0 * g.moonRadiusDeg;
  LunarEclipseDetails details;
  details.penumbralMagnitude = Overlap(g, Edge::PenumbraOuter) / diameter;
  if (details.penumbralMagnitude <= 0.0) return {};
  details.umbralMagnitude = Overlap(g, Edge::UmbraOuter) / diameter;
  details.type = details.umbralMagnitude >= 1.0  ? LunarEclipseType::Total
                 : details.umbralMagnitude > 0.0 ? LunarEclipseType::Partial
                                                 : LunarEclipseType::Penumbral;
  details.greatest = MomentAt(greatestTt, site);
  FindContacts(greatestTt, g, Edge::PenumbraOuter, sun, site, details.p1, details.p4);
  FindContacts(greatestTt, g, Edge::UmbraOuter, sun, site, details.u1, details.u4);
  FindContacts(greatestTt, g, Edge::UmbraInner, sun, site, details.u2, details.u3);

  SkyEvent event;
  event.kind = SkyEventKind::LunarEclipse;
  event.jdUt = details.greatest.jdUt;
  event.lunar = details;
  return event;
}

} // namespace sky_events
