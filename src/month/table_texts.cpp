// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_texts.h"

#include "astro/display.h"
#include "astro/numeric.h"
#include "dates/calendar_names.h"

#include <QCoreApplication>
#include <QLocale>

namespace month {

bool TwentyFourHourClock(int tFormat, int timeType) { return tFormat != 0 || timeType == 2; }

QString ListTime(double dayFraction, int tFormat, int timeType) {
  return astro::FormatClockTime(astro::RoundToMinute(dayFraction),
                                TwentyFourHourClock(tFormat, timeType) ? "hh:nn" : "h:nna/p");
}

QString ListTitle(double calcDate) {
  const QDate date = astro::DateOfDateTime(calcDate);
  return QCoreApplication::translate("month", "Sun and Moon Data for %1 %2", "month, year")
      .arg(dates::MonthName(date.month()), QLocale().toString(date, QStringLiteral("yyyy")));
}

QString TimeTypeName(int timeType) {
  switch (timeType) {
  case 0:
    return QCoreApplication::translate("month", "Standard Time");
  case 1:
    return QCoreApplication::translate("month", "Daylight Time");
  case 3:
    return QCoreApplication::translate("month", "Local Time");
  default:
    return QCoreApplication::translate("month", "Universal Time");
  }
}

QString TimeTypeName(int timeType, const QString& clockNames) {
  if (clockNames.isEmpty()) return TimeTypeName(timeType);
  return TimeTypeName(timeType) + QStringLiteral(" (") + clockNames + QLatin1Char(')');
}

QString MarkedDateText(const QString& dateText, bool clocksChange) {
  return clocksChange ? dateText + QLatin1Char('*') : dateText;
}

QString ListCaption(const QString& listTitle, const QString& timeTypeName) {
  return listTitle + QStringLiteral(" ... ") + timeTypeName;
}

int TwilightKind(int twilight) { return twilight == 0 || twilight == 1 ? twilight : 2; }

} // namespace month
