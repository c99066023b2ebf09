// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Moon's perigee and apogee: the instants its distance from the Earth's
// centre passes a minimum or a maximum.

#include "sky_event.h"

#include <vector>

namespace sky_events {

// Every perigee and apogee from one Julian Day to another (both UT), in time
// order, each with the distance in km; fullMoonNearPerigee is left false.
std::vector<SkyEvent> ApsidesBetween(double fromJdUt, double toJdUt);

} // namespace sky_events
