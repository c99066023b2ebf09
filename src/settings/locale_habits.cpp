// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale_habits.h"

namespace settings {

int LocaleTFormat(const QLocale& locale) {
  if (locale.language() == QLocale::C) return 0;
  return locale.timeFormat(QLocale::ShortFormat).contains(QLatin1Char('a'), Qt::CaseInsensitive) ? 0 : 1;
}

bool LocaleWeekStartsOnSunday(const QLocale& locale) {
  return locale.language() == QLocale::C || locale.firstDayOfWeek() == Qt::Sunday;
}

Settings LocaleHabitDefaults(const QLocale& locale) {
  Settings defaults;
  defaults.TFormat = LocaleTFormat(locale);
  defaults.SunStart = LocaleWeekStartsOnSunday(locale);
  return defaults;
}

} // namespace settings
