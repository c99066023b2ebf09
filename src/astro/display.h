// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the astronomy unit's times and angles read on screen. The patterns use the
// program's own tokens: "h" hour without leading zero, "hh" two-digit hour,
// "nn" minutes, "ss" seconds, "AMPM" the locale's AM/PM text (12-hour clock),
// "AM/PM" the fixed "AM"/"PM", "a/p" a lower-case "a" or "p".

#include "astro_state.h"

#include <QDate>
#include <QString>
#include <string>

namespace astro {

// The time of day of a date-time (its fraction; a negative date keeps its
// forward-counting fraction) in a clock pattern. The fraction is rounded to
// whole milliseconds, then cut to whole seconds.
QString FormatClockTime(double dateTime, const std::string& pattern);

// An event or phase time as the day view shows it: rounded to the minute in
// state.TimeFormat, or "hh:nn" plus "  UT" for Universal Time; with ShowSeconds
// unrounded in state.TimeFormat, or "hh:nn:ss" plus " u" for Universal Time.
// Callers test for the missing-event markers first.
QString TimeText(const AstroState& state, double t);

// The calendar date of a date-time (days since 1899-12-30; the integer part,
// truncated toward zero) and back (00:00 of the date).
QDate DateOfDateTime(double dateTime);
double DateTimeOfDate(QDate date);

// The default locale's short date pattern with a two-digit year widened to four
// digits (en_US: "M/d/yyyy"), and a date-time's date in it.
QString ShortDatePattern();
QString ShortDateText(double dateTime);

// A date-time's date in the default locale's long date format.
QString LongDateText(double dateTime);

// An angle in degrees rounded to a whole number, followed by the degree sign.
QString DegreesText(double degrees);

} // namespace astro
