// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// New and full moons: the instants the Moon's apparent longitude stands 0 or
// 180 degrees from the Sun's.

#include <vector>

namespace sky_events {

enum class Syzygy { NewMoon, FullMoon };

// Every new (or full) moon from one Julian Day to another (both TT), as
// Julian Days (TT) in time order, good to a few seconds.
std::vector<double> SyzygiesBetween(double fromJdTt, double toJdTt, Syzygy which);

} // namespace sky_events
