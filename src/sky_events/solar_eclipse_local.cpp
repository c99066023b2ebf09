// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar_eclipse_local.h"

#include "astro/numeric.h"
#include "astro/rise_transit_set.h"
#include "body_positions.h"
#include "event_search.h"
#include "shadow_geometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace sky_events {
namespace {

// The Moon's radius in equatorial Earth radii: k = 0.2725076 (IAU 1982), its
// mean radius over the limb's mountains, for the first and last contacts
// (C1, C4), the magnitude and the obscuration; k = 0.272281, the radius to
// the limb's valleys through which the Sun shines until the Moon covers them
// all, for the umbral phase: its contacts (C2, C3) and whether the place sees
// it at all, as the eclipse canons do.
constexpr double kMoonRadius = 0.2725076;
constexpr double kMoonRadiusUmbral = 0.272281;
constexpr double kSunRadius = kSunRadiusKm / kEarthEquatorialRadiusKm; // Earth radii
// The Earth's polar radius over its equatorial one (flattening 1/298.257).
constexpr double kPolarOverEquatorial = 0.99664719;
constexpr double kEquatorialRadiusMetres = kEarthEquatorialRadiusKm * 1000.0;

// The search: samples every 10 minutes, instants refined to a tenth of a second.
constexpr double kSampleStepDays = 10.0 / 1440.0;
constexpr double kPrecisionDays = 0.1 / 86400.0;

double Dot(const Vector3& a, const Vector3& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
double Length(const Vector3& a) { return std::sqrt(Dot(a, a)); }
Vector3 Minus(const Vector3& a, const Vector3& b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
Vector3 Cross(const Vector3& a, const Vector3& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

// The two discs in the place's sky at one instant; angles in radians.
struct Discs {
  double separation = 0.0;
  double sunRadius = 0.0;
  double moonRadius = 0.0;
  double sunAltitude = 0.0;
  double moonUmbralRadius = 0.0;

  // Negative while the discs overlap.
  double Outer() const { return separation - sunRadius - moonRadius; }
  // Negative while one disc lies wholly inside the other.
  double Inner() const { return separation - std::abs(sunRadius - moonUmbralRadius); }
};

class LocalSky {
public:
  LocalSky(const SunMoonTrack& track, const GeoSite& site) : track_(track), longitudeWest_(site.longitudeDeg) {
    // The place's distance from the Earth's axis and from the equator's plane.
    const double latitude = astro::Radians(site.latitudeDeg);
    const double u = std::atan(kPolarOverEquatorial * std::tan(latitude));
    const double height = site.heightMetres / kEquatorialRadiusMetres;
    fromAxis_ = std::cos(u) + height * std::cos(latitude);
    fromEquator_ = kPolarOverEquatorial * std::sin(u) + height * std::sin(latitude);
    cosLatitude_ = std::cos(latitude);
    sinLatitude_ = std::sin(latitude);
  }

  Discs At(double jdUt) const {
    const double localSidereal = astro::Radians(track_.GreenwichSiderealDeg(jdUt) - longitudeWest_);
    const double cosTheta = std::cos(localSidereal);
    const double sinTheta = std::sin(localSidereal);
    const Vector3 place{fromAxis_ * cosTheta, fromAxis_ * sinTheta, fromEquator_};
    const Vector3 zenith{cosLatitude_ * cosTheta, cosLatitude_ * sinTheta, sinLatitude_};
    const Vector3 sun = Minus(track_.Sun(jdUt), place);
    const Vector3 moon = Minus(track_.Moon(jdUt), place);
    const double sunDistance = Length(sun);
    const double moonDistance = Length(moon);
    return {std::atan2(Length(Cross(sun, moon)), Dot(sun, moon)), std::asin(kSunRadius / sunDistance),
            std::asin(kMoonRadius / moonDistance), std::asin(Dot(sun, zenith) / sunDistance),
            std::asin(kMoonRadiusUmbral / moonDistance)};
  }

private:
  const SunMoonTrack& track_;
  double longitudeWest_;
  double fromAxis_ = 0.0;    // Earth radii
  double fromEquator_ = 0.0; // Earth radii
  double cosLatitude_ = 0.0;
  double sinLatitude_ = 0.0;
};

// The share of the Sun's disc area that the Moon's disc covers.
double Obscuration(const Discs& d) {
  const double s = d.separation, r = d.sunRadius, m = d.moonRadius;
  if (s >= r + m) return 0.0;
  if (s <= std::abs(r - m)) return std::min(1.0, (m / r) * (m / r));
  const double sunPart = r * r * std::acos((s * s + r * r - m * m) / (2.0 * s * r));
  const double moonPart = m * m * std::acos((s * s + m * m - r * r) / (2.0 * s * m));
  const double kite = 0.5 * std::sqrt((-s + r + m) * (s + r - m) * (s - r + m) * (s + r + m));
  return (sunPart + moonPart - kite) / (std::numbers::pi * r * r);
}

bool SunUp(const Discs& d) { return astro::Degrees(d.sunAltitude) > astro::kSunriseAltitude; }

SolarContact Contact(const LocalSky& sky, double jdUt) {
  return {jdUt, astro::Degrees(sky.At(jdUt).sunAltitude)};
}

} // namespace

std::optional<SolarEclipseLocal> LocalSolarEclipse(double newMoonJdUt, const GeoSite& site) {
  return LocalSolarEclipse(SunMoonTrack(newMoonJdUt), site);
}

std::optional<SolarEclipseLocal> LocalSolarEclipse(const SunMoonTrack& track, const GeoSite& site) {
  const LocalSky sky(track, site);
  const double first = track.FirstJdUt();
  const double last = track.LastJdUt();

  // The sample nearest the least separation brackets it.
  double nearest = first;
  double nearestSeparation = sky.At(first).separation;
  for (double t = first + kSampleStepDays; t <= last; t += kSampleStepDays) {
    const double separation = sky.At(t).separation;
    if (separation < nearestSeparation) nearest = t, nearestSeparation = separation;
  }
  const double greatest = MinimumBetween([&](double t) { return sky.At(t).separation; },
                                         std::max(first, nearest - kSampleStepDays),
                                         std::min(last, nearest + kSampleStepDays), kPrecisionDays);
  const Discs atGreatest = sky.At(greatest);
  if (atGreatest.Outer() >= 0.0) return std::nullopt;

  // The partial phase lasts under four hours and its middle lies within two
  // hours of the conjunction, so both ends fall inside the track.
  const auto outer = [&](double t) { return sky.At(t).Outer(); };
  const double c1 = RootBetween(outer, first, greatest, kPrecisionDays);
  const double c4 = RootBetween(outer, greatest, last, kPrecisionDays);

  // Seen when the Sun is up at some instant of the partial phase. Its highest
  // point then is C1, C4 or the culmination between them: in under four hours
  // the altitude has at most one turning point, and where that is the lowest
  // point the search for the highest ends at C1 or C4.
  const double highest = MinimumBetween([&](double t) { return -sky.At(t).sunAltitude; }, c1, c4, kPrecisionDays);
  if (!SunUp(sky.At(c1)) && !SunUp(sky.At(c4)) && !SunUp(sky.At(highest))) return std::nullopt;

  SolarEclipseLocal eclipse;
  eclipse.greatestJdUt = greatest;
  eclipse.sunAltitudeDeg = astro::Degrees(atGreatest.sunAltitude);
  eclipse.obscuration = Obscuration(atGreatest);
  eclipse.c1 = Contact(sky, c1);
  eclipse.c4 = Contact(sky, c4);
  eclipse.beginsBelowHorizon = !SunUp(sky.At(c1));
  eclipse.endsBelowHorizon = !SunUp(sky.At(c4));
  if (atGreatest.Inner() < 0.0) {
    const auto inner = [&](double t) { return sky.At(t).Inner(); };
    eclipse.type =
        atGreatest.moonUmbralRadius > atGreatest.sunRadius ? SolarEclipseType::Total : SolarEclipseType::Annular;
    eclipse.magnitude = atGreatest.moonRadius / atGreatest.sunRadius;
    eclipse.c2 = Contact(sky, RootBetween(inner, c1, greatest, kPrecisionDays));
    eclipse.c3 = Contact(sky, RootBetween(inner, greatest, c4, kPrecisionDays));
  } else {
    eclipse.type = SolarEclipseType::Partial;
    eclipse.magnitude = (atGreatest.sunRadius + atGreatest.moonRadius - atGreatest.separation) /
                        (2.0 * atGreatest.sunRadius);
  }
  return eclipse;
}

} // namespace sky_events
