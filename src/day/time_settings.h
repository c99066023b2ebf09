// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The clock of the day view: which zone its times are in and how they read.

#include "astro/astro_state.h"
#include "phase_list.h"

#include <QString>
#include <string>

namespace day {

// The AM and PM texts a 12-hour clock shows.
struct DayPeriodTexts {
  QString am;
  QString pm;
};

// The default locale's AM and PM texts.
DayPeriodTexts LocaleDayPeriodTexts();

// Hours added to the shown clock to get UT (West positive): the site's
// standard zone for time type 0, one hour less for 1 (daylight time), 0 for 2
// (Universal Time) or any other value; for 3 (local time) the standard zone,
// which each day replaces by the offset of its midnight.
float ZoneHoursFor(int timeType, float siteTimeZone);

// The clock pattern: "h:nn AMPM" for the 12-hour clock (tFormat 0) with the
// locale's own AM/PM, or "h:nn AM/PM" when it has none (the 12-hour clock never
// shows seconds); "hh:nn:ss" or "hh:nn" for the 24-hour clock.
std::string TimeFormatFor(int tFormat, bool showSeconds, const DayPeriodTexts& designators);

// Derives state.ZoneHours and state.TimeFormat from state.TimeType,
// state.ShowSeconds, tFormat and the site's standard zone (hours, West
// positive), and makes the phase list rebuild in the new clock. Run after any
// change of these and before the next ComputeDay(). The designators default to
// the locale's; tests pass their own.
void ApplyTimeSettings(astro::AstroState& state, int tFormat, float siteTimeZone, PhaseList& phases,
                       const DayPeriodTexts& designators = LocaleDayPeriodTexts());

// Gives the state the place's wall clock: the zone of the system's database
// named zoneId ("Europe/London"), or, where it names none the database knows,
// the fixed zone of the standard offset siteTimeZone (hours, West positive).
void SetLocalClock(astro::AstroState& state, const QString& zoneId, float siteTimeZone);

} // namespace day
