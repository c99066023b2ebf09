// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the Moon stands against the Earth's shadow (lunar eclipses) and
// against the Sun (solar eclipses), as seen from the Earth's centre. All
// angles in degrees.

#include "body_positions.h"

namespace sky_events {

struct ShadowGeometry {
  double separationDeg = 0.0;      // Moon's centre from the shadow's axis
  double moonRadiusDeg = 0.0;      // the Moon's apparent semi-diameter
  double umbraRadiusDeg = 0.0;     // at the Moon's distance
  double penumbraRadiusDeg = 0.0;
};

// The Earth's shadows are enlarged for its atmosphere by Danjon's rule (1 % of
// the Moon's parallax), as the modern eclipse canons do.
ShadowGeometry EarthShadowAt(double jdTt, const SunTrack& sun);

// The geocentric separation of the Moon's and the Sun's centres and the most
// it may be for the Moon's penumbra to touch the Earth (degrees).
struct SunMoonGeometry {
  double separationDeg = 0.0;
  double contactLimitDeg = 0.0;
};
SunMoonGeometry SunMoonAt(double jdTt, const SunTrack& sun);

// The Moon's semi-diameter in Earth equatorial radii at unit distance.
inline constexpr double kMoonRadiusInEarthRadii = 0.272488;
inline constexpr double kSunRadiusKm = 696000.0;

} // namespace sky_events
