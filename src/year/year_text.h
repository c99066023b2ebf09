// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A year table laid out as the one-year rise and set tables of the almanac
// offices: a heading, twelve month pairs of 4-digit hhmm columns side by side,
// 31 day rows, and a footnote for the marks of missing events.

#include "settings/settings_values.h"
#include "year_table.h"

#include <QStringList>

namespace year {

// What the texts read besides the table: the place and the clock.
struct YearContext {
  settings::SiteLocation location;
  int TFormat = 0;  // 0 twelve-hour clock, other values twenty-four-hour (CSV and JSON)
  int TimeType = 0; // 0 standard, 1 daylight, 2 Universal Time, 3 local time
};

// "Sunrise and Sunset for 2026", "Civil Twilight for 2026", ..., translated.
QString YearTitle(const YearTable& table);
// The same in English whatever the language, for the JSON scripts read.
QString YearTitleUntranslated(const YearTable& table);

// The four heading lines: title, place, coordinates and zone, time type.
QStringList YearHeading(const YearTable& table, const YearContext& context);

// The mark of a missing event in the hhmm columns: "****" above all day,
// "----" below all day, "...." no such event that day.
QString MissingMark(month::MissingReason reason);

// The heading centred over the table, the month and column lines, the 31 day
// rows (blanks for days a month lacks; in local time a "*" before the pair of
// a day the clocks change) and the footnote.
QStringList YearTextLines(const YearTable& table, const YearContext& context);

} // namespace year
