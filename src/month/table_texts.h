// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The short texts of the month table: its clock times and the names of the
// table as a whole.

#include <QString>

namespace month {

// An event time (fraction of the local civil day, 0..1) rounded to the minute:
// "hh:nn" for the 24-hour clock (tFormat non-zero) or Universal Time
// (timeType 2), else "h:nna/p" (6:05a, 11:46p).
QString ListTime(double dayFraction, int tFormat, int timeType);

// Whether the table's times are on the 24-hour clock: when chosen, and always
// in Universal Time.
bool TwentyFourHourClock(int tFormat, int timeType);

// "Sun and Moon Data for March 2024": the month and four-digit year of a
// date-time, the month's name in the default locale's language.
QString ListTitle(double calcDate);

// "Standard Time", "Daylight Time", "Local Time" or (any other timeType)
// "Universal Time".
QString TimeTypeName(int timeType);

// The time type's name with the clocks of local time: "Local Time (GMT/BST)";
// TimeTypeName alone when clockNames is empty.
QString TimeTypeName(int timeType, const QString& clockNames);

// A date cell of the table, marked with "*" on a day the clocks change.
QString MarkedDateText(const QString& dateText, bool clocksChange);

// The month table window's caption: "<ListTitle> ... <TimeTypeName>".
QString ListCaption(const QString& listTitle, const QString& timeTypeName);

// The twilight kind of a Twilight setting: 0 astronomical, 1 nautical, and
// any other value civil (2), for the altitude as well as the name.
int TwilightKind(int twilight);

} // namespace month
