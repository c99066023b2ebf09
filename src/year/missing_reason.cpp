// SPDX-License-Identifier: GPL-3.0-or-later
#include "missing_reason.h"

#include <cmath>

namespace exporting {

MissingReason MissingReasonOf(double slot, double latitude, double declination, double h0) {
  if (!astro::IsMissingEvent(slot)) return MissingReason::None;
  if (slot < astro::NeverRisesOrSets) return MissingReason::NoEventToday;
  const double culmination = 90.0 - std::fabs(latitude - declination); // degrees
  return culmination > h0 ? MissingReason::StaysAbove : MissingReason::StaysBelow;
}

} // namespace exporting
