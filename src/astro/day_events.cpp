// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_events.h"

#include "rise_transit_set.h"

namespace astro {

DayEvents ComputeDayEvents(const AstroState& state, const ThreeDayWindow& window, int twilightType) {
  // Sunrise and twilight search one day of the Sun.
  const DayAltitude sun(state, window.SunPositions());
  return {
      RiseTransitSet(state, sun, kSunriseAltitude),
      RiseTransitSet(state, sun, TwilightAltitude(twilightType)),
      RiseTransitSet(state, window.MoonPositions(), MoonRiseAltitude(window.MoonParallax())),
  };
}

} // namespace astro
