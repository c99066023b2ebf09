// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A day's events and the Moon's phases in the shown clock. In a fixed clock
// they are the plain searches in state.ZoneHours, untouched. In local time a
// day runs from the wall clock's midnight to the next, 23 or 25 hours where
// the clocks change, and each event is shown once, at the wall-clock time in
// force at its instant: the repeated autumn hour holds each event once, and
// the skipped spring hour none.

#include "astro_state.h"
#include "day_events.h"
#include "day_positions.h"
#include "shown_clock.h"

namespace astro {

// The clock of state's time type for the dates first..last (date-times): the
// place's wall clock with those dates' transitions read once in local time,
// else the fixed clock of state.ZoneHours.
ShownClock ClockOfDates(const AstroState& state, double first, double last);

// Sets state.ZoneHours to the offset of the wall clock's midnight of
// state.CalcDate in local time (nothing in a fixed clock), then PrepareDay().
void PrepareDayIn(const ShownClock& clock, AstroState& state);

// ComputeDayEvents() of a day prepared by PrepareDayIn(), every time a
// fraction of the clock's day (from its midnight). Events of the longer day's
// last hour come from a second search in the later offset.
DayEvents ComputeDayEventsIn(const ShownClock& clock, const AstroState& state, const ThreeDayWindow& window,
                             int twilightType);

// MoonPhase() with its time in the clock: local time shows the instant in the
// offset in force at it.
Phase MoonPhaseIn(const ShownClock& clock, const AstroState& state, double deltaT, float k);

// The zone hours in force at a shown time (a date plus a fraction t of its
// shown day). A wall-clock time the clocks repeat is taken at its first
// instant.
float ZoneHoursOfShown(const ShownClock& clock, double date, double t);

// A UT instant on the shown clock (the continuous count, not re-encoded).
double ShownOfUt(const ShownClock& clock, double ut);

} // namespace astro
