// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/date_time.h"

#include <gtest/gtest.h>

namespace astro {
namespace {

struct DateCase {
  CivilDate date;
  double dateTime;
};

TEST(DateTime, MatchesTheEpochAndTheCalendarLimits) {
  const DateCase cases[] = {
      {{1899, 12, 30}, 0.0},       {{2000, 1, 1}, 36526.0},   {{1899, 12, 29}, -1.0},
      {{1, 1, 1}, -693593.0},      {{9999, 12, 31}, 2958465.0}, {{2000, 2, 29}, 36585.0},
      {{1900, 3, 1}, 61.0}, // 1900 is not a leap year
  };
  for (const auto& c : cases) {
    EXPECT_EQ(DateTimeFromCivil(c.date), c.dateTime) << c.date.year << "-" << c.date.month;
    const CivilDate back = CivilFromDateTime(c.dateTime);
    EXPECT_EQ(back.year, c.date.year);
    EXPECT_EQ(back.month, c.date.month);
    EXPECT_EQ(back.day, c.date.day);
  }
}

TEST(DateTime, NegativeValuesKeepTheirDateWhileTheFractionCountsForward) {
  const CivilDate d = CivilFromDateTime(-1.25); // 1899-12-29 06:00
  EXPECT_EQ(d.day, 29);
  EXPECT_EQ(EncodeDayCount(-0.75), -1.25); // 0.75 days before the epoch
  EXPECT_EQ(EncodeDayCount(3.5), 3.5);
}

} // namespace
} // namespace astro
