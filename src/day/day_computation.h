// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The computation behind the day view: for the date and site of the astronomy
// state and the display options, every text of the day view, the Moon's signed
// illuminated percentage and the phase list. Painting is left to the window.

#include "astro/astro_state.h"
#include "astro/day_events.h"
#include "day_view_state.h"

namespace day {

// Recomputes view for state.CalcDate: the sun block, the moon rows in the order
// their events happen, the date line, IllumPercent, the phase list (rebuilt only
// when its first phase changed) and, with options.JulianLine, the Julian date
// of dates before 1582-10-15 in DayText[kJulianLine]. Sets PaintMoonLabels when
// the first moon label changed. Runs PrepareDay, so it overwrites the state's
// derived values; ApplyTimeSettings must have run for the current clock.
// Returns the raw results of the three rise/transit/set searches (sun at
// -0.833 degrees, sun at the twilight altitude, moon).
astro::DayEvents ComputeDay(astro::AstroState& state, const DayViewOptions& options, DayViewState& view);

} // namespace day
