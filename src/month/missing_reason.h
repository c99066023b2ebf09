// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why an event is missing from a day: the search's markers say only "not
// today" or "never rises or sets"; the second splits into above and below.

#include "astro/astro_state.h"
#include "astro/day_altitude.h"

namespace month {

enum class MissingReason {
  None,        // the event happens: the slot holds a time
  NoEventToday, // it falls on the day before or after, not on this one
  StaysAbove,  // the body is above the altitude all day
  StaysBelow,  // the body is below it all day
};

// The reason for an EventTimes slot (a time or a marker) of a body searched
// for at altitude h0 (degrees) on the day whose interpolated altitudes are
// `altitude`. A body that never crosses h0 is on one side of it all day, so
// the side it stands on at local noon is the side of the whole day; a
// declination of one instant cannot say this for the Moon, whose
// declination moves by degrees within the day.
MissingReason MissingReasonOf(double slot, const astro::DayAltitude& altitude, double h0);

} // namespace month
