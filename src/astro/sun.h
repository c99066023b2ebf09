// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"

namespace astro {

// The Sun's apparent ecliptic longitude (degrees, [0, 360)) at state.CenturiesT,
// a low-precision solar theory good to about 0.01 degree; t is UT-based (Delta T
// is not applied). Latitude and parallax are 0.
EclipticPosition SunPosition(const AstroState& state);

// Right ascension and declination (degrees) of an ecliptic longitude and
// latitude (degrees), with the true obliquity of the prepared date.
EquatorialPosition EclipticToEquatorial(const AstroState& state, double longitude, double latitude);

} // namespace astro
