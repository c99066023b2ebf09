// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"

namespace astro {

// Lowest lunation number the phase list asks for (around the year 1).
inline constexpr float kFirstListedLunation = -24724.25f;

// Lunation number of the quarter-lunation at or below a date, for t0 =
// CenturiesT0 of the date: floor(4 * (1236.85 t0 - 0.152)) / 4, each step held
// in single precision. Callers clamp it to kFirstListedLunation before use.
float QuarterLunationAtOrBelow(double centuriesT0);

// The principal phase of lunation number k (whole numbers are new moons, k = 0
// the new moon of 2000-01-06; .25, .5 and .75 the quarters and the full moon of
// that lunation). The time is in the clock of state.ZoneHours: dynamical time
// less deltaT (days) gives UT. Uses no other state.
Phase MoonPhase(const AstroState& state, double deltaT, float k);

} // namespace astro
