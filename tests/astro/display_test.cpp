// SPDX-License-Identifier: GPL-3.0-or-later
#include "astro/display.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace astro {
namespace {

class DisplayTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

struct TimeTextCase {
  bool showSeconds;
  int timeType;
  const char* format;
  double t;
  const char* expected;
};

TEST_F(DisplayTest, TimeTextFollowsClockAndSecondsSettings) {
  const double quarterPastSix = (18 * 3600 + 15 * 60 + 59.6) / 86400.0;
  const TimeTextCase cases[] = {
      {false, 0, "h:nn AMPM", 0.75, "6:00 PM"},
      {false, 0, "h:nn AMPM", 0.0, "12:00 AM"},
      {false, 1, "h:nn AM/PM", 0.5, "12:00 PM"},
      {false, 0, "hh:nn", quarterPastSix, "18:16"},
      {false, 2, "h:nn AMPM", quarterPastSix, "18:16  UT"},
      {true, 2, "hh:nn:ss", quarterPastSix, "18:15:59 u"},    // cut, not rounded
      {true, 0, "hh:nn:ss", quarterPastSix, "18:15:59"},
      {false, 0, "hh:nn", 0.99999, "23:59"},                  // never 24:00
      {false, 0, "hh:nn", -1.25, "06:00"},                    // before 1899-12-30
  };
  for (const auto& c : cases) {
    AstroState s;
    s.ShowSeconds = c.showSeconds;
    s.TimeType = c.timeType;
    s.TimeFormat = c.format;
    EXPECT_EQ(TimeText(s, c.t), QLatin1String(c.expected)) << c.format << " " << c.t;
  }
}

TEST_F(DisplayTest, SecondsAreMillisecondRoundedThenCut) {
  // 13:34:01.9996 rounds to 13:34:02.000 at the millisecond, then shows :02.
  const double t = (13 * 3600 + 34 * 60 + 1.9996) / 86400.0;
  EXPECT_EQ(FormatClockTime(t, "hh:nn:ss"), "13:34:02");
  EXPECT_EQ(FormatClockTime(0.99999999999, "hh:nn:ss"), "23:59:59");
  EXPECT_EQ(FormatClockTime((6 * 60 + 5) / 1440.0, "h:nna/p"), "6:05a");
  EXPECT_EQ(FormatClockTime((23 * 60 + 46) / 1440.0, "h:nna/p"), "11:46p");
}

TEST_F(DisplayTest, DegreesTextRoundsHalfAwayFromZero) {
  EXPECT_EQ(DegreesText(127.6), QString::fromUtf8("128\u00B0"));
  EXPECT_EQ(DegreesText(295.5), QString::fromUtf8("296\u00B0"));
  EXPECT_EQ(DegreesText(0.4), QString::fromUtf8("0\u00B0"));
  EXPECT_EQ(DegreesText(360.0), QString::fromUtf8("360\u00B0"));
}

TEST_F(DisplayTest, ShortDatesWidenTwoDigitYears) {
  EXPECT_EQ(ShortDatePattern(), "M/d/yyyy");
  EXPECT_EQ(ShortDateText(36523.0), "12/29/1999");
  EXPECT_EQ(LongDateText(36526.0), "Saturday, January 1, 2000");
  QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
  EXPECT_EQ(ShortDateText(36523.0), "29.12.1999");
}

TEST_F(DisplayTest, DateConversionsCoverTheCalendarLimits) {
  EXPECT_EQ(DateOfDateTime(0.0), QDate(1899, 12, 30));
  EXPECT_EQ(DateOfDateTime(-1.25), QDate(1899, 12, 29));
  EXPECT_EQ(DateTimeOfDate(QDate(1, 1, 1)), -693593.0);
  EXPECT_EQ(DateTimeOfDate(QDate(9999, 12, 31)), 2958465.0);
}

} // namespace
} // namespace astro
