// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_view_state.h"

#include <QCoreApplication>

namespace day {

DayTexts InitialDayTexts() {
  DayTexts texts;
  texts[kFirstSunLabel] = QCoreApplication::translate("day", "Twilight :");
  texts[kFirstSunLabel + 1] = QCoreApplication::translate("day", "Sunrise :");
  texts[kFirstSunLabel + 2] = QCoreApplication::translate("day", "Sunset :");
  texts[kFirstSunLabel + 3] = QCoreApplication::translate("day", "Twilight :");
  return texts;
}

} // namespace day
