// SPDX-License-Identifier: GPL-3.0-or-later
#include "body_positions.h"

#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/sun.h"
#include "astro/time_scales.h"
#include "earth_series.h"
#include "event_time.h"

#include <cmath>

namespace sky_events {
namespace {

template <std::size_t N>
double SumSeries(const std::array<PeriodicTerm, N>& terms, double tau) {
  double sum = 0.0;
  for (const PeriodicTerm& term : terms) sum += term.a * std::cos(term.b + term.c * tau);
  return sum;
}

// Nutation in longitude, degrees, from the day view's own expression.
double NutationLongitudeDeg(double t) {
  astro::AstroState state;
  state.CenturiesT = t;
  astro::ComputeNutation(state);
  return state.NutationLongitude;
}

constexpr double kArcSecond = 1.0 / 3600.0;

} // namespace

GeocentricPlace SunAt(double jdTt) {
  const double t = CenturiesFromJ2000(jdTt);
  const double tau = t / 10.0;
  const double l = (SumSeries(kEarthL0, tau) +
                    tau * (SumSeries(kEarthL1, tau) +
                           tau * (SumSeries(kEarthL2, tau) + tau * (SumSeries(kEarthL3, tau) + tau * SumSeries(kEarthL4, tau))))) /
                   1e8;
  const double b = (SumSeries(kEarthB0, tau) + tau * SumSeries(kEarthB1, tau)) / 1e8;
  const double r = (SumSeries(kEarthR0, tau) +
                    tau * (SumSeries(kEarthR1, tau) + tau * (SumSeries(kEarthR2, tau) + tau * SumSeries(kEarthR3, tau)))) /
                   1e8;
  // Geocentric: the opposite direction; then the FK5 frame (-0.09033"),
  // nutation and annual aberration (-20.4898" / R).
  const double geometric = astro::Degrees(l) + 180.0;
  const double longitude =
      geometric - 0.09033 * kArcSecond + NutationLongitudeDeg(t) - 20.4898 * kArcSecond / r;
  return {astro::ReduceDegrees(longitude), -astro::Degrees(b), r * kKmPerAstronomicalUnit};
}

SunTrack::SunTrack(double centreJdTt)
    : centre_(centreJdTt), before_(SunAt(centreJdTt - 1.0)), middle_(SunAt(centreJdTt)), after_(SunAt(centreJdTt + 1.0)) {
  before_.longitudeDeg = middle_.longitudeDeg + Wrap180(before_.longitudeDeg - middle_.longitudeDeg);
  after_.longitudeDeg = middle_.longitudeDeg + Wrap180(after_.longitudeDeg - middle_.longitudeDeg);
}

GeocentricPlace SunTrack::At(double jdTt) const {
  const double n = jdTt - centre_;
  return {astro::Interpolate3(before_.longitudeDeg, middle_.longitudeDeg, after_.longitudeDeg, n),
          astro::Interpolate3(before_.latitudeDeg, middle_.latitudeDeg, after_.latitudeDeg, n),
          astro::Interpolate3(before_.distanceKm, middle_.distanceKm, after_.distanceKm, n)};
}

GeocentricPlace MoonAt(double jdTt) {
  const double t = CenturiesFromJ2000(jdTt);
  const astro::MoonSeries s = astro::EvaluateMoonSeries(t);
  const double longitude = s.meanLongitude + static_cast<double>(s.sumLongitude / 1000000.0L) + NutationLongitudeDeg(t);
  return {astro::ReduceDegrees(longitude), static_cast<double>(s.sumLatitude / 1000000.0L),
          static_cast<double>(385000.56L + s.sumDistance / 1000.0L)};
}

double MoonDistanceKm(double jdTt) {
  return static_cast<double>(385000.56L + astro::EvaluateMoonSeries(CenturiesFromJ2000(jdTt)).sumDistance / 1000.0L);
}

double TopocentricAltitudeDeg(const GeocentricPlace& body, double jdUt, const GeoSite& site) {
  // The day's sidereal time and obliquity as the day view prepares them.
  const double dateTime = jdUt - kJulianDayOfDateTimeZero;
  astro::AstroState state;
  state.CalcDate = std::floor(dateTime);
  astro::PrepareDay(state);
  const double siderealTime = state.SiderealTime0 + 360.985647 * (dateTime - state.CalcDate);
  const astro::EquatorialPosition equatorial = astro::EclipticToEquatorial(state, body.longitudeDeg, body.latitudeDeg);
  const double hourAngle = astro::Radians(siderealTime - site.longitudeDeg - equatorial.rightAscension);
  const double latitude = astro::Radians(site.latitudeDeg);
  const double declination = astro::Radians(equatorial.declination);
  const double geocentric = astro::ArcSinDeg(std::sin(latitude) * std::sin(declination) +
                                             std::cos(latitude) * std::cos(declination) * std::cos(hourAngle));
  // Seen from the surface the body sits lower by its parallax times cos(altitude).
  const double sinParallax = kEarthEquatorialRadiusKm / body.distanceKm;
  return geocentric - astro::ArcSinDeg(sinParallax * std::cos(astro::Radians(geocentric)));
}

} // namespace sky_events
