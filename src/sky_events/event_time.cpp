// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_time.h"

#include "astro/time_scales.h"
#include "sky_event.h"

namespace sky_events {
namespace {

// Decimal year of a Julian Day, good enough for Delta T.
double DecimalYear(double jd) { return 2000.0 + (jd - 2451544.5) / 365.2425; }

// Espenak and Meeus (2006), seconds; y a decimal year in [1860, 2150).
double EspenakMeeus(double y) {
  if (y < 1900) {
    const double t = y - 1860.0;
    return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174.0))));
  }
  if (y < 1920) {
    const double t = y - 1900.0;
    return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - 0.000197 * t)));
  }
  if (y < 1941) {
    const double t = y - 1920.0;
    return 21.20 + t * (0.84493 + t * (-0.076100 + 0.0020936 * t));
  }
  if (y < 1961) {
    const double t = y - 1950.0;
    return 29.07 + t * (0.407 + t * (-1.0 / 233.0 + t / 2547.0));
  }
  if (y < 1986) {
    const double t = y - 1975.0;
    return 45.45 + t * (1.067 + t * (-1.0 / 260.0 - t / 718.0));
  }
  if (y < 2005) {
    const double t = y - 2000.0;
    return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + 0.00002373599 * t))));
  }
  if (y < 2050) {
    const double t = y - 2000.0;
    return 62.92 + t * (0.32217 + 0.005589 * t);
  }
  const double u = (y - 1820.0) / 100.0;
  return -20.0 + 32.0 * u * u - 0.5628 * (2150.0 - y);
}

} // namespace

double DeltaTSeconds(double jdUt) {
  const double year = DecimalYear(jdUt);
  if (year >= 1860.0 && year < 2150.0) return EspenakMeeus(year);
  const double dateTime = jdUt - kJulianDayOfDateTimeZero;
  return astro::ComputeDeltaT(dateTime, CenturiesFromJ2000(jdUt)) * kSecondsPerDay;
}

double TerrestrialFromUniversal(double jdUt) { return jdUt + DeltaTSeconds(jdUt) / kSecondsPerDay; }

double UniversalFromTerrestrial(double jdTt) {
  // Delta T changes by far less than a second over its own size.
  const double guess = jdTt - DeltaTSeconds(jdTt) / kSecondsPerDay;
  return jdTt - DeltaTSeconds(guess) / kSecondsPerDay;
}

} // namespace sky_events
