// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_view_state.h"

namespace day {

DayTexts InitialDayTexts() {
  DayTexts texts;
  texts[kFirstSunLabel] = QStringLiteral("Twilight :");
  texts[kFirstSunLabel + 1] = QStringLiteral("Sunrise :");
  texts[kFirstSunLabel + 2] = QStringLiteral("Sunset :");
  texts[kFirstSunLabel + 3] = QStringLiteral("Twilight :");
  return texts;
}

} // namespace day
