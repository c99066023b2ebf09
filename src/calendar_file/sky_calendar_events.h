// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sky events of a run of days as calendar entries.

#include "almanac_events.h"
#include "sky_events/sky_event_list.h"

namespace calendar_file {

// Julian Day (UT) of 00:00 of a local date on a clock zoneHours behind UT
// (West positive).
double JulianDayOfLocalMidnight(QDate date, double zoneHours);

// One sky event as a calendar entry on a clock zoneHours behind UT (West
// positive, for its local date): an instant for a season or an apsis, first
// to last contact at the place for an eclipse, whose facts, its greatest and
// its contacts in UTC, make the description.
AlmanacEvent SkyCalendarEvent(const sky_events::SkyEvent& event, double zoneHours);

// Appends the chosen sky events from `from` to `to` (local dates of the clock
// of state.ZoneHours, both included) for the state's site, in time order: an
// instant for a season or an apsis, first to last contact at the place for an
// eclipse, its facts in the description.
void AddSkyEvents(const astro::AstroState& state, QDate from, QDate to, const sky_events::EventKinds& kinds,
                  std::vector<AlmanacEvent>& out);

} // namespace calendar_file
