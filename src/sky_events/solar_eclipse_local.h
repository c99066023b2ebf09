// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A solar eclipse as seen from one place: the Sun's and the Moon's discs as
// they stand in that place's sky, from the program's own Sun and Moon series
// with the Moon's parallax at the place (direct topocentric geometry, the
// method behind the local circumstances that Besselian elements give).
//
// - Greatest eclipse: the least separation of the two centres.
// - C1 and C4: the separation equals the sum of the radii; C2 and C3 (total or
//   annular there only): it equals their difference.
// - Magnitude: the fraction of the Sun's diameter covered; where the eclipse is
//   total or annular, the ratio of the Moon's diameter to the Sun's.
// - Obscuration: the fraction of the Sun's disc area covered.
// - Altitudes: the Sun's centre, geometric (no refraction).
// An eclipse counts as seen when the Sun is up, as sunrise and sunset define it
// (upper limb on the refracted horizon), at some instant between C1 and C4.

#include "sky_event.h"
#include "sun_moon_track.h"

#include <optional>

namespace sky_events {

// The eclipse seen from site at the new moon of newMoonJdUt (Julian Day, UT,
// within two hours of the conjunction), or nothing when the discs do not meet
// there while the Sun is up. It costs five evaluations of each series and a
// search: ask only about the new moons that SolarEclipseAtNewMoon lets through.
std::optional<SolarEclipseLocal> LocalSolarEclipse(double newMoonJdUt, const GeoSite& site);

// The same over a track centred on the new moon, with whatever Delta T the
// track was made with.
std::optional<SolarEclipseLocal> LocalSolarEclipse(const SunMoonTrack& track, const GeoSite& site);

} // namespace sky_events
