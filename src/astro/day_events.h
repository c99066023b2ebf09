// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "astro_state.h"
#include "day_positions.h"

namespace astro {

// The three searches of a day: the Sun at sunrise altitude, the Sun at the
// twilight altitude and the Moon at its rise altitude.
struct DayEvents {
  EventTimes sun;
  EventTimes twilight;
  EventTimes moon;
};

// twilightType: 0 astronomical, 1 nautical, 2 civil.
DayEvents ComputeDayEvents(const AstroState& state, const ThreeDayWindow& window, int twilightType);

} // namespace astro
