// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The astronomy of every day of one month, computed with a three-day window of
// Sun and Moon positions that slides a day at a time.

#include "astro/astro_state.h"
#include "astro/day_events.h"
#include "astro/day_positions.h"
#include "missing_reason.h"

#include <QString>
#include <vector>

namespace month {

struct MonthDay {
  double date = 0.0;                // date-time at 00:00 of the day
  astro::DayEvents events;          // sunrise, twilight and moon searches, transits included
  double illuminatedFraction = 0.0; // Moon at 12:00 of the local day, 0..1
  astro::ThreeDayWindow window;     // the positions the events came from (declinations, illumination)
  // Local time only: the name of the place's clock at noon ("BST"), and
  // whether the clocks change during the day (empty and false in a fixed clock).
  QString clockName;
  bool clocksChange = false;
};

// The clocks a list of days is shown in, in order of use ("GMT/BST"); empty
// in a fixed clock.
QString ClockNamesOf(const std::vector<MonthDay>& days);

// Every day of the month of dayView.CalcDate, first to last, for the site,
// zone and time type of dayView and the twilight kind (0 astronomical,
// 1 nautical, other civil). Transits are always computed. dayView itself is
// left untouched; a copy walks through the month.
//
// Each day adds one Sun and one Moon position (the day after) to the two it
// carries over, so a month of n days costs n + 2 positions per body. The
// carried positions keep the nutation and obliquity of the date they were
// computed under, which moves event times by well under a second.
std::vector<MonthDay> ComputeMonthDays(const astro::AstroState& dayView, int twilight);

// One of a day's three searches as it tells why an event is missing: the
// body's positions around the day and the altitude searched for (degrees).
struct Search {
  astro::PositionTable positions;
  double altitude = 0.0;
};
Search SunSearch(const MonthDay& day);
// twilight: 0 astronomical, 1 nautical, other values civil.
Search TwilightSearch(const MonthDay& day, int twilight);
Search MoonSearch(const MonthDay& day);

// Why an event slot of `search` is empty on the day (None when it holds a
// time), read from the day's own interpolated altitudes; `base` is the state
// the days were computed under.
month::MissingReason MissingReasonOn(const astro::AstroState& base, const MonthDay& day, const Search& search,
                                         double slot);

} // namespace month
