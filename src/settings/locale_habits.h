// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The clock and the week a first run takes from the user's country, before
// anything is stored. The C locale keeps the program's own defaults, the
// 12-hour clock and weeks from Sunday, as en_US has them too.

#include "settings_values.h"

#include <QLocale>

namespace settings {

// 0 for the 12-hour clock where the locale's short time carries an AM/PM
// mark, else 1 for the 24-hour clock.
int LocaleTFormat(const QLocale& locale = QLocale());

// True where the locale's weeks start on Sunday.
bool LocaleWeekStartsOnSunday(const QLocale& locale = QLocale());

// The program's defaults with the clock and the week of the locale: what the
// window shows before anything is stored.
Settings LocaleHabitDefaults(const QLocale& locale = QLocale());

} // namespace settings
