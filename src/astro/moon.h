// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"

namespace astro {

// Mean elements (degrees in [0, 360), E a plain factor near 1) and the periodic
// sums of the lunar series for t in Julian centuries from J2000.
struct MoonSeries {
  double meanLongitude;      // L'
  double elongation;         // D
  double sunAnomaly;         // M
  double moonAnomaly;        // M'
  double argumentOfLatitude; // F
  double eccentricity;       // E
  long double sumLongitude;  // 0.000001 degree
  long double sumLatitude;   // 0.000001 degree
  long double sumDistance;   // 0.001 km
};

MoonSeries EvaluateMoonSeries(double t);

// The Moon's apparent geocentric ecliptic longitude and latitude and its
// horizontal parallax (degrees) at state.CenturiesT, from the truncated
// ELP-2000/82 series. t is UT-based (Delta T is not applied); the longitude
// includes state.NutationLongitude and is not reduced again, so it may stray a
// little outside [0, 360).
EclipticPosition MoonPosition(const AstroState& state);

} // namespace astro
