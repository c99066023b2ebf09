// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Astronomy states for the month table tests.

#include "astro/astro_state.h"
#include "astro/display.h"

#include <QDate>

namespace testing_support {

// A day view at 42.97 N, 85.6 W on standard time (zone 5 h), showing `date`.
inline astro::AstroState DayViewAt(QDate date, float latitude = 42.97f, float longitude = 85.6f,
                                   float zoneHours = 5.0f) {
  astro::AstroState s;
  s.CalcDate = astro::DateTimeOfDate(date);
  s.SiteLatitude = latitude;
  s.SiteLongitude = longitude;
  s.ZoneHours = zoneHours;
  return s;
}

} // namespace testing_support
