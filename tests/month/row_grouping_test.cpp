// SPDX-License-Identifier: GPL-3.0-or-later
#include "month/row_grouping.h"

#include <QDate>
#include <gtest/gtest.h>

#include <string>

namespace month {
namespace {

std::vector<int> SeparatorRows(const std::vector<int>& days) {
  std::vector<int> rows;
  for (std::size_t r = 0; r < days.size(); ++r) {
    if (days[r] == 0) rows.push_back(static_cast<int>(r));
  }
  return rows;
}

struct LayoutCase {
  int year, month;
  Grouping grouping;
  bool sunStart;
  int rows;
  std::vector<int> separators;
  const char* note;
};

TEST(RowDays, CountsRowsAndSeparatorsOfEachGrouping) {
  const LayoutCase cases[] = {
      {2024, 3, Grouping::ByFive, true, 37, {5, 11, 17, 23, 29, 35}, "31 days by five"},
      {2023, 2, Grouping::ByFive, true, 33, {5, 11, 17, 23, 29}, "common February by five"},
      {2024, 2, Grouping::ByFive, false, 34, {5, 11, 17, 23, 29}, "leap February by five"},
      {2024, 12, Grouping::ByWeek, true, 35, {7, 15, 23, 31}, "31 days from a Sunday, weeks from Sunday"},
      {2024, 12, Grouping::ByWeek, false, 36, {1, 9, 17, 25, 33}, "the same month, weeks from Monday"},
      {2023, 7, Grouping::ByWeek, true, 36, {1, 9, 17, 25, 33}, "31 days from a Saturday, weeks from Sunday"},
      {2015, 2, Grouping::ByWeek, true, 31, {7, 15, 23}, "28 days from a Sunday: four whole weeks"},
      {2024, 1, Grouping::ByWeek, false, 35, {7, 15, 23, 31}, "31 days from a Monday, weeks from Monday"},
      {2024, 3, Grouping::None, true, 31, {}, "no grouping"},
      {2000, 2, Grouping::None, true, 29, {}, "2000 is a leap year"},
      {1900, 2, Grouping::None, true, 28, {}, "1900 is a common year"},
  };
  for (const auto& c : cases) {
    const std::vector<int> days = RowDays(c.year, c.month, c.grouping, c.sunStart);
    EXPECT_EQ(static_cast<int>(days.size()), c.rows) << c.note;
    EXPECT_EQ(SeparatorRows(days), c.separators) << c.note;
  }
}

TEST(RowDays, PlacesTheDaysAroundTheSeparators) {
  // February of a common year by five: the last row is the 28th.
  EXPECT_EQ(RowDays(2023, 2, Grouping::ByFive, true).back(), 28);
  // December 2024 weeks from Monday: day 1 (a Sunday) alone, then Monday the 2nd.
  const std::vector<int> december = RowDays(2024, 12, Grouping::ByWeek, false);
  EXPECT_EQ(december[0], 1);
  EXPECT_EQ(december[1], 0);
  EXPECT_EQ(december[2], 2);
  // July 2023 weeks from Sunday: the 30th and 31st follow the last blank row.
  const std::vector<int> july = RowDays(2023, 7, Grouping::ByWeek, true);
  EXPECT_EQ(std::vector<int>(july.end() - 3, july.end()), (std::vector<int>{0, 30, 31}));
}

// Every month of a 400-year cycle, both week starts: the rows hold the days in
// order, blank rows never lead, trail or double, and with ByWeek every blank
// row stands just before the first day of a week (of five days with ByFive),
// and every such day but the 1st has one.
TEST(RowDays, HoldsEveryDayOnceInEveryLayout) {
  for (int year = 2000; year < 2400; ++year) {
    for (int month = 1; month <= 12; ++month) {
      const QDate first(year, month, 1);
      for (const bool sunStart : {true, false}) {
        for (const Grouping grouping : {Grouping::None, Grouping::ByFive, Grouping::ByWeek}) {
          const std::vector<int> days = RowDays(year, month, grouping, sunStart);
          const std::string where = first.toString(Qt::ISODate).toStdString() + (sunStart ? " Sun" : " Mon") +
                                    " grouping " + std::to_string(static_cast<int>(grouping));
          ASSERT_FALSE(days.empty()) << where;
          ASSERT_NE(days.front(), 0) << where;
          ASSERT_NE(days.back(), 0) << where;
          int expected = 1;
          for (std::size_t r = 0; r < days.size(); ++r) {
            if (days[r] == 0) {
              ASSERT_NE(days[r - 1], 0) << where << " row " << r;
              const int weekday = first.addDays(days[r + 1] - 1).dayOfWeek();
              if (grouping == Grouping::ByWeek) {
                ASSERT_EQ(weekday, sunStart ? 7 : 1) << where << " row " << r;
              }
              if (grouping == Grouping::ByFive) {
                ASSERT_EQ(days[r + 1] % 5, 1) << where << " row " << r;
              }
              continue;
            }
            const int day = days[r];
            const bool startsWeek = first.addDays(day - 1).dayOfWeek() == (sunStart ? 7 : 1);
            const bool startsGroup = grouping == Grouping::ByWeek ? startsWeek
                                     : grouping == Grouping::ByFive ? day % 5 == 1
                                                                     : false;
            if (day > 1) {
              ASSERT_EQ(days[r - 1] == 0, startsGroup) << where << " row " << r;
            }
            ASSERT_EQ(day, expected++) << where << " row " << r;
          }
          ASSERT_EQ(expected - 1, first.daysInMonth()) << where;
        }
      }
    }
  }
}

TEST(ResolveGrouping, LetsGroupingByFiveWinWhenBothFlagsAreSet) {
  EXPECT_EQ(ResolveGrouping(false, false), Grouping::None);
  EXPECT_EQ(ResolveGrouping(true, false), Grouping::ByFive);
  EXPECT_EQ(ResolveGrouping(false, true), Grouping::ByWeek);
  EXPECT_EQ(ResolveGrouping(true, true), Grouping::ByFive);
}

} // namespace
} // namespace month
