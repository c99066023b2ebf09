// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sky events of a run of days as calendar entries.

#include "almanac_events.h"
#include "astro/shown_clock.h"
#include "sky_events/sky_event_list.h"

namespace calendar_file {

// Julian Day (UT) of 00:00 of a local date on a clock zoneHours behind UT
// (West positive).
double JulianDayOfLocalMidnight(QDate date, double zoneHours);

// The Julian Days (UT) from 00:00 of `from` to 00:00 after `to` on the state's
// shown clock, and that clock.
struct ShownSpan {
  double begin, end;
  astro::ShownClock clock;
};
ShownSpan ShownSpanOf(const astro::AstroState& state, QDate from, QDate to);

// One sky event as a calendar entry, dated on `clock`: an instant for a
// season or an apsis, first to last contact at the place for an eclipse,
// whose facts, its greatest and its contacts in UTC, make the description.
AlmanacEvent SkyCalendarEvent(const sky_events::SkyEvent& event, const astro::ShownClock& clock);

// Appends the chosen sky events from `from` to `to` (dates of the state's
// shown clock, both included) for the state's site, in time order: an
// instant for a season or an apsis, first to last contact at the place for an
// eclipse, its facts in the description.
void AddSkyEvents(const astro::AstroState& state, QDate from, QDate to, const sky_events::EventKinds& kinds,
                  std::vector<AlmanacEvent>& out);

} // namespace calendar_file
