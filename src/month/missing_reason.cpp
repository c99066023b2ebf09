// SPDX-License-Identifier: GPL-3.0-or-later
#include "missing_reason.h"

#include "astro/numeric.h"

#include <cmath>

namespace month {

MissingReason MissingReasonOf(double slot, const astro::DayAltitude& altitude, double h0) {
  if (!astro::IsMissingEvent(slot)) return MissingReason::None;
  if (slot < astro::NeverRisesOrSets) return MissingReason::NoEventToday;
  constexpr double kLocalNoon = 0.5; // fraction of the local day
  return altitude.SineAt(kLocalNoon) >= std::sin(astro::Radians(h0)) ? MissingReason::StaysAbove
                                                                      : MissingReason::StaysBelow;
}

} // namespace month
