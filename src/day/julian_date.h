// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The date of the day view in the Julian calendar, for dates before the
// Gregorian calendar began (1582-10-15); the status label can show it.

#include <QString>

namespace day {

struct JulianCalendarDate {
  int year = 1;
  int month = 1; // 1..12
  int day = 1;   // 1..31
};

// The Julian-calendar date of a civil date (a date-time at 00:00, days since
// 1899-12-30), by the standard conversion from Julian Day numbers without the
// Gregorian correction.
JulianCalendarDate JulianCalendarDateOf(double calcDate);

// True for dates before 1582-10-15, the first day of the Gregorian calendar.
bool PrecedesGregorianCalendar(double calcDate);

// The Julian-calendar date as "Oct 4, 1582   Julian": the locale's abbreviated
// month name, the day, a four-digit year and the word "Julian".
QString JulianDateText(double calcDate);

} // namespace day
