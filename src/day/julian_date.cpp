// SPDX-License-Identifier: GPL-3.0-or-later
#include "julian_date.h"

#include "astro/date_time.h"

#include <QCoreApplication>
#include <QDate>
#include <QLocale>
#include <cmath>

namespace day {
namespace {

// Julian Day number of 1899-12-30, day 0 of the date-time scale.
constexpr double kJulianDayOfEpoch = 2415019.0;

double Truncated(double x) { return std::trunc(x); }

} // namespace

JulianCalendarDate JulianCalendarDateOf(double calcDate) {
  const double z = std::nearbyint(calcDate + kJulianDayOfEpoch);
  const double b = z + 1524.0;
  const double c = Truncated((b - 122.1) * 0.0027378507871321013); // / 365.25
  const double d = Truncated(365.25 * c);
  const double e = Truncated((b - d) * 0.03267963176590926); // / 30.6001
  const int day = static_cast<int>(b - d - Truncated(30.6001 * e));
  const int month = static_cast<int>(e < 14.0 ? e - 1.0 : e - 13.0);
  const int year = static_cast<int>(month > 2 ? c - 4716.0 : c - 4715.0);
  return {year, month, day};
}

bool PrecedesGregorianCalendar(double calcDate) {
  return calcDate < astro::DateTimeFromCivil({1582, 10, 15});
}

QString JulianDateText(double calcDate) {
  const JulianCalendarDate date = JulianCalendarDateOf(calcDate);
  const QString month = QLocale().toString(QDate(2000, date.month, 1), QStringLiteral("MMM"));
  return QCoreApplication::translate("day", "%1 %2, %3   Julian", "abbreviated month, day, year of the Julian calendar")
      .arg(month)
      .arg(date.day)
      .arg(date.year, 4, 10, QLatin1Char('0'));
}

} // namespace day
