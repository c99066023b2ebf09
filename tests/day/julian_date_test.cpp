// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/julian_date.h"

#include "day_test_support.h"

#include <gtest/gtest.h>

namespace day {
namespace {

using test::DateOf;

struct JulianCase {
  int year, month, day; // proleptic Gregorian
  const char* text;
  const char* note;
};

TEST(JulianDateText, NamesTheJulianCalendarDate) {
  const JulianCase cases[] = {
      {1582, 10, 14, "Oct 4, 1582   Julian", "the last Julian day before the reform"},
      {1582, 10, 4, "Sep 24, 1582   Julian", "ten days apart in the 16th century"},
      {1000, 1, 1, "Dec 27, 0999   Julian", "five days apart, the year padded to four digits"},
      {200, 3, 1, "Mar 1, 0200   Julian", "the calendars agree from 200-03-01 to 300-02-28"},
      {1, 1, 1, "Jan 3, 0001   Julian", "the first day of the calendar"},
      {1900, 3, 13, "Feb 29, 1900   Julian", "a Julian leap day the Gregorian calendar lacks"},
  };
  for (const auto& c : cases) EXPECT_EQ(JulianDateText(DateOf(c.year, c.month, c.day)), QLatin1String(c.text)) << c.note;
}

TEST(JulianDateText, UsesTheLocalesMonthAbbreviation) {
  const ScopedLocale german(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(JulianDateText(DateOf(1582, 10, 14)), QLatin1String("Okt. 4, 1582   Julian"));
}

TEST(PrecedesGregorianCalendar, EndsOn1582October14) {
  EXPECT_TRUE(PrecedesGregorianCalendar(DateOf(1, 1, 1)));
  EXPECT_TRUE(PrecedesGregorianCalendar(DateOf(1582, 10, 14)));
  EXPECT_FALSE(PrecedesGregorianCalendar(DateOf(1582, 10, 15)));
  EXPECT_FALSE(PrecedesGregorianCalendar(DateOf(9999, 12, 31)));
}

} // namespace
} // namespace day
