// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table's cells as a screen reader speaks each one alone: the
// column and the day with the value ("Moonrise, 3 December: 7:03 AM"), a
// missing event by what it means ("no moonrise", "Sun above the horizon all
// day") and times in full. The window still shows the short texts.

#include "month_days.h"
#include "month_table.h"
#include "row_grouping.h"

#include <QDate>

namespace month {

// "3 December": a row's date as read out, also its row header.
QString SpokenDate(QDate date);

struct SpokenContext {
  astro::AstroState dayView; // the state the month's days were computed under
  int twilight = 2;      // 0 astronomical, 1 nautical, other values civil
  int tFormat = 0;       // 0 twelve-hour clock, other values twenty-four-hour
  int timeType = 0;      // 2 Universal Time (always the 24-hour clock)
};

// The ten spoken cells of a day's row as shown; the date cell is SpokenDate,
// the percent cell the shown percent.
TableRow SpokenRow(const MonthDay& day, const TableRow& shown, const SpokenContext& context);

// A blank row between groups, every cell of it as read out: "Blank row
// between weeks", "Blank row after five days".
QString SpokenSeparator(Grouping grouping);

// The table's name as read out: its title and its grouping ("Sun and Moon
// Data for March 2024, grouped by week"), so that a regrouping is told.
QString SpokenTableName(const MonthTable& table, Grouping grouping);

} // namespace month
