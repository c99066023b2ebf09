// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The time scales of the events: Julian Days in Universal Time (what the list
// shows) and in Terrestrial Time (what the Sun and Moon theories take).

namespace sky_events {

inline constexpr double kJulianDayJ2000 = 2451545.0; // 2000-01-01 12:00 TT
inline constexpr double kDaysPerJulianCentury = 36525.0;
inline constexpr double kSecondsPerDay = 86400.0;

// Delta T = TT - UT in seconds at a Julian Day. From 1860 to 2150 the
// Espenak-Meeus polynomials, which stay within a few seconds of the observed
// values (the day view's older expressions stray by a minute after 2011, too
// much for the instant of an equinox); outside that the day view's own.
double DeltaTSeconds(double jdUt);

double TerrestrialFromUniversal(double jdUt);
// Inverse of TerrestrialFromUniversal to well under a second.
double UniversalFromTerrestrial(double jdTt);

// Julian centuries from J2000 of a Julian Day (TT).
constexpr double CenturiesFromJ2000(double jdTt) { return (jdTt - kJulianDayJ2000) / kDaysPerJulianCentury; }

} // namespace sky_events
