// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"
#include "day_altitude.h"

namespace astro {

// Altitudes (degrees) that the callers search for.
inline constexpr double kSunriseAltitude = -0.833333333;

// Twilight altitude for twilight type 0 (astronomical, -18), 1 (nautical, -12)
// or 2 (civil, -6).
constexpr double TwilightAltitude(int twilightType) { return 6.0 * twilightType - 18.0; }

// Altitude of the Moon's upper limb at rise and set for a horizontal parallax
// (degrees) at 0h UT of the day.
constexpr double MoonRiseAltitude(double parallax) { return 0.7275 * parallax - 0.566666666666667; }

// Finds the transit, rise and set of a body whose right ascension and
// declination at 0h UT of the day before, the day and the day after are in
// `positions`, for the altitude h0 (degrees). Times are fractions of the local
// civil day (local midnight to local midnight in the clock of state.ZoneHours)
// or the markers NoEventToday / NeverRisesOrSets. The transit is computed only
// with state.WantTransit, the azimuths only with state.WantAzimuth; slots not
// computed hold 0. PrepareDay() for the same date must have run.
//
// The classical corrections find each event; every rise and set they return
// is checked to be a crossing of its kind on the same interpolated positions,
// and where one is not, or the day's two midnights show a crossing they
// missed, a scan of the local day supplies the first rise and the first set
// (see crossings.h). When the body crosses h0 nowhere in the day, rise, set and
// transit all hold NeverRisesOrSets, whatever the middle day's declination
// said; the transit then stays unshown like the rise and the set.
EventTimes RiseTransitSet(const AstroState& state, PositionTable positions, double h0);
// The same on a body's day already prepared, so that searches of one body at
// several altitudes (sunrise and twilight) share it.
EventTimes RiseTransitSet(const AstroState& state, const DayAltitude& altitude, double h0);

} // namespace astro
