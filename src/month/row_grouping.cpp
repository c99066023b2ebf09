// SPDX-License-Identifier: GPL-3.0-or-later
#include "row_grouping.h"

#include "dates/calendar_dates.h"
#include "dates/month_grid.h"

namespace month {
namespace {

constexpr int kGroupSize = 5;
constexpr int kWeekLength = 7;

// Row count and separator test of a grouping, from the day count n and the
// days from the start of the week to the 1st (0..6).
struct RowPattern {
  int rows;
  int period;        // a group and its separator
  int separatorSlot; // position of the separator within a period
};

RowPattern PatternOf(Grouping grouping, int n, int offset) {
  switch (grouping) {
  case Grouping::ByFive:
    return {n + (n - 1) / kGroupSize, kGroupSize + 1, kGroupSize};
  case Grouping::ByWeek:
    return {n + (n + offset - 1) / kWeekLength, kWeekLength + 1, kWeekLength - offset};
  case Grouping::None:
    break;
  }
  return {n, 0, 0};
}

} // namespace

Grouping ResolveGrouping(bool group5, bool group7) {
  if (group5) return Grouping::ByFive;
  return group7 ? Grouping::ByWeek : Grouping::None;
}

std::vector<int> RowDays(int year, int month, Grouping grouping, bool sunStart) {
  const int n = dates::DaysInMonth(month, year);
  // The calendar grid's column of the 1st counts the same days from the week start.
  const int offset = dates::FirstColumnOfMonth(year, month, sunStart) - 1;
  const RowPattern pattern = PatternOf(grouping, n, offset);

  std::vector<int> days;
  days.reserve(static_cast<std::size_t>(pattern.rows));
  int day = 0;
  for (int r = 0; r < pattern.rows; ++r) {
    const bool separator = pattern.period > 0 && r % pattern.period == pattern.separatorSlot;
    days.push_back(separator ? 0 : ++day);
  }
  return days;
}

} // namespace month
