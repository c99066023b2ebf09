// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which new moons bring a solar eclipse somewhere on the Earth.

namespace sky_events {

// True when the Moon's penumbra touches the Earth around the new moon of
// newMoonJdTt (Julian Day, TT): the least geocentric separation of the Sun's
// and the Moon's centres falls below the sum of their semi-diameters and the
// difference of their parallaxes.
bool SolarEclipseAtNewMoon(double newMoonJdTt);

} // namespace sky_events
