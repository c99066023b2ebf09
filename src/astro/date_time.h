// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Conversions between calendar dates (proleptic Gregorian) and the date-time
// scale of the whole program: days since 1899-12-30 00:00. Before that epoch the
// integer part is negative while the fraction still counts forward from the
// start of the day, so -1.25 is 1899-12-29 06:00.

namespace astro {

struct CivilDate {
  int year = 1;
  int month = 1; // 1..12
  int day = 1;   // 1..31
};

// Date-time at 00:00 of a calendar date.
double DateTimeFromCivil(const CivilDate& date);

// Calendar date of a date-time (its integer part, truncated toward zero).
CivilDate CivilFromDateTime(double dateTime);

// Re-encodes a continuous day count x (which may be negative) on the date-time
// scale: below zero, 2 * floor(x) - x keeps the fraction counting forward.
double EncodeDayCount(double x);

} // namespace astro
