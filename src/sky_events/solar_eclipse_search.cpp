// SPDX-License-Identifier: GPL-3.0-or-later
#include "solar_eclipse_search.h"

#include "event_search.h"
#include "shadow_geometry.h"

namespace sky_events {

bool SolarEclipseAtNewMoon(double newMoonJdTt) {
  const SunTrack sun(newMoonJdTt);
  const SunMoonGeometry atConjunction = SunMoonAt(newMoonJdTt, sun);
  // At conjunction the separation is within 0.5 % of its least.
  if (0.99 * atConjunction.separationDeg > atConjunction.contactLimitDeg) return false;
  const auto miss = [&sun](double jdTt) {
    const SunMoonGeometry g = SunMoonAt(jdTt, sun);
    return g.separationDeg - g.contactLimitDeg;
  };
  return miss(MinimumBetween(miss, newMoonJdTt - 0.2, newMoonJdTt + 0.2, 1e-4)) < 0.0;
}

} // namespace sky_events
