// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Equinoxes and solstices: the instants the Sun's apparent longitude reaches
// 0, 90, 180 and 270 degrees.

#include "sky_event.h"

#include <vector>

namespace sky_events {

// The four seasons of a calendar year, in time order, instants as Julian Days (UT).
std::vector<SkyEvent> SeasonsOfYear(int year);

} // namespace sky_events
