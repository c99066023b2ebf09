// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table as text: ten cells per row, computed once and read by the
// window's grid, the three copy modes and both prints.

#include "astro/astro_state.h"

#include <QString>
#include <array>
#include <vector>

namespace month {

inline constexpr int kColumnCount = 10;

// Date, Sun twilight begin, rise, transit, set, twilight end, Moon rise,
// transit, set (clock times or "*****") and the Moon's illuminated percent.
// A separator row has ten empty cells.
using TableRow = std::array<QString, kColumnCount>;

bool IsSeparatorRow(const TableRow& row);

struct MonthTable {
  std::vector<TableRow> rows;
  std::vector<TableRow> spoken; // the rows as read out (spoken_cells.h), separators named
  std::vector<int> rowDays;     // each row's day of the month, 0 for a separator
  QString ListTitle;    // "Sun and Moon Data for March 2024"
  QString TimeTypeName; // "Standard Time", "Daylight Time", "Universal Time" or "Local Time (GMT/BST)"
  QString Caption;      // the window caption: ListTitle + " ... " + TimeTypeName
};

// The settings the table follows besides the astronomy state.
struct ListOptions {
  int TFormat = 0;      // 0 twelve-hour clock, other values twenty-four-hour
  int Twilight = 2;     // 0 astronomical, 1 nautical, other values civil
  bool SunStart = true; // weeks begin on Sunday (for Group7)
  bool Group5 = false;  // blank row after every fifth day
  bool Group7 = false;  // blank row between weeks; Group5 wins when both are set
};

// The table of the month of dayView.CalcDate for dayView's site, zone and
// TimeType. dayView is not changed (its CalcDate and WantTransit included).
MonthTable ComputeMonthTable(const astro::AstroState& dayView, const ListOptions& options);

} // namespace month
