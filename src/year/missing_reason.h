// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Why an event is missing from a day: the search's markers say only "not
// today" or "never rises or sets"; the second splits into above and below.

#include "astro_state.h"

namespace exporting {

enum class MissingReason {
  None,        // the event happens: the slot holds a time
  NoEventToday, // it falls on the day before or after, not on this one
  StaysAbove,  // the body is above the altitude all day
  StaysBelow,  // the body is below it all day
};

// The reason for an EventTimes slot (a time or a marker) of a body whose
// declination (degrees, at 0h UT of the day) was searched for at altitude h0
// (degrees) from latitude (degrees, North positive). A body that never
// crosses h0 stays above it exactly when it culminates above it, at
// 90 - |latitude - declination| degrees.
MissingReason MissingReasonOf(double slot, double latitude, double declination, double h0);

} // namespace exporting
