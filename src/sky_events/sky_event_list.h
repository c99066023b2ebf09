// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sky events of a span of time at one place, in time order.

#include "sky_event.h"

#include <vector>

namespace sky_events {

struct EventKinds {
  bool seasons = true;
  bool eclipses = true; // lunar everywhere, solar when seen from the place
  bool apsides = true;
};

// Events whose own instant, to the second shown (ShownSecond), lies in
// [fromJdUt, toJdUt) (Julian Days, UT): an eclipse by its greatest eclipse. Perigees with
// a full moon within 24 hours are marked. Solar eclipses are listed only when
// their partial phase is seen from the place with the Sun up.
std::vector<SkyEvent> SkyEventsBetween(double fromJdUt, double toJdUt, const GeoSite& site, EventKinds kinds = {});

// A full moon within this many days of a perigee makes it "near perigee".
inline constexpr double kFullMoonNearPerigeeDays = 1.0;

} // namespace sky_events
