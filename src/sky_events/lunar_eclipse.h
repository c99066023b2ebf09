// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A lunar eclipse: its type, greatest eclipse, magnitudes and contacts, and
// where the Moon stands at the place at each of those instants.

#include "sky_event.h"

#include <optional>

namespace sky_events {

// The eclipse at the full moon of fullMoonJdTt (Julian Day, TT), or nothing
// when the Moon misses the penumbra.
std::optional<SkyEvent> LunarEclipseAtFullMoon(double fullMoonJdTt, const GeoSite& site);

} // namespace sky_events
