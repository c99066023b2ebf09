// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace sky_events {

// Clears the upper halves of the AVX registers when the processor has them.
// Something in a Qt process's start-up leaves them dirty, and then every
// switch between the maths library's VEX code and the plain SSE code around it
// stalls: a year of events took seven times as long in vesperon-cli as in a
// bare program (measured). Cheap; call before a long computation.
void ClearUpperVectorState();

} // namespace sky_events
