// SPDX-License-Identifier: GPL-3.0-or-later
#include "month/month_table.h"

#include "../support/qstring_printer.h"
#include "astro/day_events.h"
#include "astro/day_positions.h"
#include "astro/time_scales.h"
#include "dates/calendar_dates.h"
#include "month/table_texts.h"
#include "test_site.h"

#include <QLocale>
#include <QRegularExpression>
#include <gtest/gtest.h>

namespace month {
namespace {

class MonthTableTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

const QString kMissing = QStringLiteral("*****");

// Minutes after midnight of a 24-hour "hh:nn" cell.
int Minutes(const QString& cell) { return cell.left(2).toInt() * 60 + cell.mid(3, 2).toInt(); }

TEST_F(MonthTableTest, ListsTheWholeMonthOfTheDayViewsDate) {
  const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 17)), {});
  ASSERT_EQ(table.rows.size(), 31u);
  EXPECT_EQ(table.rows.front()[0], "3/1/2024");
  EXPECT_EQ(table.rows[16][0], "3/17/2024");
  EXPECT_EQ(table.rows.back()[0], "3/31/2024");
  EXPECT_EQ(table.ListTitle, "Sun and Moon Data for March 2024");
  EXPECT_EQ(table.TimeTypeName, "Standard Time");
  EXPECT_EQ(table.Caption, "Sun and Moon Data for March 2024 ... Standard Time");
  for (const TableRow& row : table.rows) EXPECT_FALSE(IsSeparatorRow(row)) << row[0];
}

TEST_F(MonthTableTest, LeavesTheDayViewsStateAsItWas) {
  astro::AstroState dayView = testing_support::DayViewAt(QDate(2024, 3, 17));
  dayView.WantTransit = false;
  astro::PrepareDay(dayView);
  const astro::AstroState before = dayView;
  const MonthTable table = ComputeMonthTable(dayView, {});
  EXPECT_EQ(dayView.CalcDate, before.CalcDate);
  EXPECT_FALSE(dayView.WantTransit);
  EXPECT_EQ(dayView.CenturiesT0, before.CenturiesT0);
  EXPECT_EQ(dayView.CenturiesT, before.CenturiesT);
  EXPECT_EQ(dayView.SiderealTime0, before.SiderealTime0);
  // The transit columns are filled even though the day view hides transits.
  EXPECT_NE(table.rows[0][3], "");
  EXPECT_NE(table.rows[0][3], kMissing);
}

TEST_F(MonthTableTest, GroupsRowsWithBlankSeparators) {
  struct Case {
    QDate month;
    bool group5, group7, sunStart;
    std::size_t rows;
    std::vector<std::size_t> separators;
    const char* note;
  } const cases[] = {
      {QDate(2024, 3, 1), true, false, true, 37, {5, 11, 17, 23, 29, 35}, "Group5, 31 days"},
      {QDate(2023, 2, 1), true, false, false, 33, {5, 11, 17, 23, 29}, "Group5, common February"},
      {QDate(2024, 12, 1), false, true, true, 35, {7, 15, 23, 31}, "Group7 from Sunday, month from a Sunday"},
      {QDate(2024, 12, 1), false, true, false, 36, {1, 9, 17, 25, 33}, "Group7 from Monday"},
      {QDate(2023, 7, 1), false, true, true, 36, {1, 9, 17, 25, 33}, "Group7, month from a Saturday"},
      {QDate(2024, 3, 1), true, true, true, 37, {5, 11, 17, 23, 29, 35}, "both flags: by five"},
  };
  for (const auto& c : cases) {
    ListOptions options;
    options.Group5 = c.group5;
    options.Group7 = c.group7;
    options.SunStart = c.sunStart;
    const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(c.month), options);
    ASSERT_EQ(table.rows.size(), c.rows) << c.note;
    std::vector<std::size_t> separators;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      if (IsSeparatorRow(table.rows[r])) separators.push_back(r);
    }
    EXPECT_EQ(separators, c.separators) << c.note;
  }
}

TEST_F(MonthTableTest, SeparatorsDoNotMoveTheDates) {
  ListOptions byFive;
  byFive.Group5 = true;
  const MonthTable grouped = ComputeMonthTable(testing_support::DayViewAt(QDate(2023, 2, 14)), byFive);
  const MonthTable plain = ComputeMonthTable(testing_support::DayViewAt(QDate(2023, 2, 14)), {});
  EXPECT_EQ(grouped.rows.back()[0], "2/28/2023");
  std::vector<TableRow> dayRows;
  for (const TableRow& row : grouped.rows) {
    if (!IsSeparatorRow(row)) dayRows.push_back(row);
  }
  EXPECT_EQ(dayRows, plain.rows);
}

TEST_F(MonthTableTest, FollowsTheGregorianLeapYears) {
  const MonthTable leap = ComputeMonthTable(testing_support::DayViewAt(QDate(2000, 2, 1)), {});
  ASSERT_EQ(leap.rows.size(), 29u);
  EXPECT_EQ(leap.rows.back()[0], "2/29/2000");
  const MonthTable common = ComputeMonthTable(testing_support::DayViewAt(QDate(1900, 2, 1)), {});
  ASSERT_EQ(common.rows.size(), 28u);
  EXPECT_EQ(common.rows.back()[0], "2/28/1900");
}

TEST_F(MonthTableTest, WritesTimesInTheChosenClock) {
  const QRegularExpression twelveHour(QStringLiteral("^(1[0-2]|[1-9]):[0-5]\\d[ap]$"));
  const QRegularExpression twentyFourHour(QStringLiteral("^([01]\\d|2[0-3]):[0-5]\\d$"));
  struct Case {
    int tFormat, timeType;
    const QRegularExpression* pattern;
    const char* note;
  } const cases[] = {
      {0, 0, &twelveHour, "12-hour clock, standard time"},
      {1, 1, &twentyFourHour, "24-hour clock, daylight time"},
      {0, 2, &twentyFourHour, "Universal Time is always hh:nn"},
  };
  for (const auto& c : cases) {
    astro::AstroState dayView = testing_support::DayViewAt(QDate(2024, 3, 17));
    dayView.TimeType = c.timeType;
    ListOptions options;
    options.TFormat = c.tFormat;
    for (const TableRow& row : ComputeMonthTable(dayView, options).rows) {
      for (int column = 1; column <= 8; ++column) {
        const QString& cell = row[static_cast<std::size_t>(column)];
        if (cell != kMissing) {
          EXPECT_TRUE(c.pattern->match(cell).hasMatch()) << c.note << ": " << cell;
        }
      }
    }
  }
}

TEST_F(MonthTableTest, MatchesTheDayComputedAloneAsText) {
  // 17 March 2024 as the day view computes it, in the table's own texts.
  astro::AstroState day = testing_support::DayViewAt(QDate(2024, 3, 17));
  astro::PrepareDay(day);
  const astro::ThreeDayWindow window = astro::ComputeThreeDayWindow(day);
  const astro::DayEvents e = astro::ComputeDayEvents(day, window, 2);
  const auto text = [](double t) { return astro::IsMissingEvent(t) ? kMissing : ListTime(t, 0, 0); };
  const TableRow row = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 1)), {}).rows[16];
  EXPECT_EQ(row[1], text(e.twilight[astro::kRise]));
  EXPECT_EQ(row[2], text(e.sun[astro::kRise]));
  EXPECT_EQ(row[3], text(e.sun[astro::kTransit]));
  EXPECT_EQ(row[4], text(e.sun[astro::kSet]));
  EXPECT_EQ(row[5], text(e.twilight[astro::kSet]));
  EXPECT_EQ(row[6], text(e.moon[astro::kRise]));
  EXPECT_EQ(row[7], text(e.moon[astro::kTransit]));
  EXPECT_EQ(row[8], text(e.moon[astro::kSet]));
  const double illuminated = astro::MoonIllumination(day, window.MoonEcliptic(), window.SunEcliptic(), 0.5);
  EXPECT_EQ(row[9], QString::number(std::lround(illuminated * 100.0)));
}

TEST_F(MonthTableTest, PutsTheEquinoxSunWhereTheSiteLies) {
  // 20 March 2024 at 85.6 W on zone 5 (meridian 75 W): the Sun transits
  // 10.6 * 4 = 42.4 min after noon plus the equation of time (7.4 min), at
  // 12:50; the day lasts a little over twelve hours (refraction and the disc).
  const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 20)), {});
  const TableRow& row = table.rows[19];
  EXPECT_EQ(row[0], "3/20/2024");
  EXPECT_EQ(row[3], "12:50p");
  ListOptions options;
  options.TFormat = 1;
  const TableRow clock24 = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 20)), options).rows[19];
  const int dayLength = Minutes(clock24[4]) - Minutes(clock24[2]);
  EXPECT_GE(dayLength, 12 * 60 + 5) << clock24[2] << " to " << clock24[4];
  EXPECT_LE(dayLength, 12 * 60 + 15) << clock24[2] << " to " << clock24[4];
  // Civil twilight, about 28 minutes at this latitude, either side.
  EXPECT_NEAR(Minutes(clock24[2]) - Minutes(clock24[1]), 28, 3) << clock24[1];
  EXPECT_NEAR(Minutes(clock24[5]) - Minutes(clock24[4]), 28, 3) << clock24[5];
}

TEST_F(MonthTableTest, IlluminationIsAWholePercentage) {
  const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 1)), {});
  // New Moon 10 March 2024 09:00 UT, Full Moon 25 March 2024 07:00 UT.
  EXPECT_EQ(table.rows[9][9], "0");
  EXPECT_GE(table.rows[24][9].toInt(), 99);
  for (const TableRow& row : table.rows) {
    bool ok = false;
    const int percent = row[9].toInt(&ok);
    EXPECT_TRUE(ok && percent >= 0 && percent <= 100) << row[9];
  }
}

TEST_F(MonthTableTest, MarksAMoonEventThatSlipsPastMidnight) {
  // The Moon's events come about 50 minutes later each day, so about once a
  // month each of them skips a day: that day shows "*****" in its column while
  // the other moon columns keep their times, the day before has the event late
  // in the evening and the day after just past midnight.
  ListOptions options;
  options.TFormat = 1;
  const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 1)), options);
  for (const std::size_t column : {6u, 7u, 8u}) {
    int skipped = 0;
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
      const TableRow& row = table.rows[r];
      for (int sun = 1; sun <= 5; ++sun) EXPECT_NE(row[static_cast<std::size_t>(sun)], kMissing) << row[0];
      if (row[column] != kMissing) continue;
      ++skipped;
      for (const std::size_t other : {6u, 7u, 8u}) {
        if (other != column) {
          EXPECT_NE(row[other], kMissing) << row[0] << " column " << other;
        }
      }
      if (r > 0) {
        EXPECT_GE(Minutes(table.rows[r - 1][column]), 22 * 60) << row[0] << " column " << column;
      }
      if (r + 1 < table.rows.size()) {
        EXPECT_LT(Minutes(table.rows[r + 1][column]), 2 * 60) << row[0] << " column " << column;
      }
    }
    EXPECT_GE(skipped, 1) << "column " << column;
    EXPECT_LE(skipped, 2) << "column " << column;
  }
}

TEST_F(MonthTableTest, MarksEveryColumnOfABodyThatNeverCrossesItsAltitude) {
  struct Case {
    QDate month;
    int twilight;
    const char* expectedSun; // columns 1..5, "T" for a time, "*" for "*****"
    const char* note;
  } const cases[] = {
      {QDate(2024, 6, 1), 0, "*****", "80 N in June: midnight sun, no astronomical twilight"},
      {QDate(2024, 12, 1), 2, "*****", "80 N in December: polar night, no civil twilight"},
      {QDate(2024, 12, 1), 0, "T***T", "80 N in December: astronomical twilight still comes and goes"},
  };
  for (const auto& c : cases) {
    ListOptions options;
    options.Twilight = c.twilight;
    const MonthTable table = ComputeMonthTable(testing_support::DayViewAt(c.month, 80.0f, -15.0f, -1.0f), options);
    for (const TableRow& row : table.rows) {
      QString shape;
      for (int column = 1; column <= 5; ++column) {
        shape += row[static_cast<std::size_t>(column)] == kMissing ? QLatin1Char('*') : QLatin1Char('T');
      }
      EXPECT_EQ(shape, QLatin1String(c.expectedSun)) << c.note << " on " << row[0];
    }
  }
  // At 80 N the Moon (declination up to about 28 degrees in 2024) stays up on
  // some days and down on others: all three moon columns are marked together.
  const MonthTable june = ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 6, 1), 80.0f, -15.0f, -1.0f), {});
  int circumpolarDays = 0;
  for (const TableRow& row : june.rows) {
    if (row[6] == kMissing && row[7] == kMissing && row[8] == kMissing) ++circumpolarDays;
  }
  EXPECT_GT(circumpolarDays, 5);
}

TEST_F(MonthTableTest, TakesCivilTwilightForAnUnknownSetting) {
  ListOptions civil;
  civil.Twilight = 2;
  ListOptions unknown;
  unknown.Twilight = 9;
  EXPECT_EQ(ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 1)), unknown).rows,
            ComputeMonthTable(testing_support::DayViewAt(QDate(2024, 3, 1)), civil).rows);
}

} // namespace
} // namespace month
