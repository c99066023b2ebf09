// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/month_grid.h"

#include "dates/calendar_dates.h"

#include <gtest/gtest.h>

namespace dates {
namespace {

TEST(FirstColumnOfMonth, FollowsTheWeekStart) {
  struct Case {
    int year, month;
    bool sunStart;
    int expected;
    const char* note;
  } const cases[] = {
      {2023, 7, true, 7, "July 2023 begins on a Saturday"},
      {2023, 7, false, 6, "Saturday is column 6 from Monday"},
      {2015, 2, false, 7, "February 2015 begins on a Sunday: last column from Monday"},
      {2015, 2, true, 1, "Sunday is column 1 from Sunday"},
      {2024, 1, false, 1, "January 2024 begins on a Monday"},
      {2024, 1, true, 2, "Monday is column 2 from Sunday"},
      {1, 1, true, 2, "0001-01-01 is a Monday (proleptic Gregorian)"},
  };
  for (const auto& c : cases) EXPECT_EQ(FirstColumnOfMonth(c.year, c.month, c.sunStart), c.expected) << c.note;
}

TEST(CellOfDay, CountsCellsRowByRowFromTheFirstColumn) {
  struct Case {
    int day, firstColumn, expected;
    const char* note;
  } const cases[] = {
      {1, 1, 11, "day 1 in column 1"},
      {8, 1, 21, "day 8 in column 1"},
      {1, 7, 17, "month starting on Saturday, Sunday start"},
      {30, 7, 61, "its day 30 opens row 6"},
      {31, 7, 62, "its day 31"},
      {1, FirstColumnOfMonth(2015, 2, false), 17, "February 2015, Monday start"},
      {28, 1, 47, "28 days from column 1 fill four rows"},
  };
  for (const auto& c : cases) EXPECT_EQ(CellOfDay(c.day, c.firstColumn), c.expected) << c.note;
}

TEST(FillMonthGrid, ShowsEachDayInTheCellOfThatDay) {
  for (int first = 1; first <= kGridColumns; ++first) {
    for (int days = 28; days <= 31; ++days) {
      const MonthGridDays grid = FillMonthGrid(days, first);
      int shown = 0;
      for (int index = 0; index < kGridCells; ++index) {
        const int day = grid[static_cast<std::size_t>(index)];
        if (day == 0) continue;
        ++shown;
        EXPECT_EQ(CellNumberAt(index), CellOfDay(day, first)) << "day " << day << " first " << first;
      }
      EXPECT_EQ(shown, days) << "first " << first;
    }
  }
}

TEST(FillMonthGrid, HidesTheCellsBeforeAndAfterTheMonth) {
  // July 2023 with Sunday start: Saturday the 1st.
  const MonthGridDays grid = FillMonthGrid(31, 7);
  for (int index = 0; index < 6; ++index) EXPECT_EQ(grid[static_cast<std::size_t>(index)], 0) << index;
  EXPECT_EQ(grid[6], 1);
  EXPECT_EQ(grid[35], 30);
  EXPECT_EQ(CellNumberAt(35), 61);
  EXPECT_EQ(grid[36], 31);
  for (int index = 37; index < kGridCells; ++index) EXPECT_EQ(grid[static_cast<std::size_t>(index)], 0) << index;
}

TEST(CellNumberAt, NumbersRowsAndColumns) {
  EXPECT_EQ(CellNumberAt(0), 11);
  EXPECT_EQ(CellNumberAt(6), 17);
  EXPECT_EQ(CellNumberAt(7), 21);
  EXPECT_EQ(CellNumberAt(kGridCells - 1), 67);
}

} // namespace
} // namespace dates
