// SPDX-License-Identifier: GPL-3.0-or-later
#include "dates/calendar_dates.h"

#include "../support/qstring_printer.h"
#include "astro/display.h"

#include <QDate>
#include <gtest/gtest.h>

namespace dates {
namespace {

double Day(int year, int month, int day) { return astro::DateTimeOfDate(QDate(year, month, day)); }

QString Text(std::optional<double> date) {
  return date ? astro::DateOfDateTime(*date).toString(Qt::ISODate) : QStringLiteral("refused");
}

TEST(DaysInMonth, FollowsTheGregorianLeapYearRule) {
  struct Case {
    int month, year, expected;
    const char* note;
  } const cases[] = {
      {1, 2023, 31, "January"},         {4, 2023, 30, "April"},
      {12, 9999, 31, "last month"},     {2, 2023, 28, "common year"},
      {2, 2024, 29, "divisible by 4"},  {2, 1900, 28, "century not divisible by 400"},
      {2, 2000, 29, "divisible by 400"}, {2, 4, 29, "early leap year"},
      {2, 1, 28, "first year"},         {2, 1600, 29, "proleptic: before 1752 as well"},
      {0, 2023, 0, "no month 0"},       {13, 2023, 0, "no month 13"},
  };
  for (const auto& c : cases) EXPECT_EQ(DaysInMonth(c.month, c.year), c.expected) << c.note;
}

TEST(DaysInMonth, AgreesWithQtForEveryMonthOfFourCenturies) {
  for (int year = 1600; year < 2000; ++year) {
    for (int month = 1; month <= 12; ++month) {
      ASSERT_EQ(DaysInMonth(month, year), QDate(year, month, 1).daysInMonth()) << year << "-" << month;
    }
  }
}

TEST(DateLimits, AreTheFirstAndLastDates) {
  EXPECT_EQ(astro::DateOfDateTime(MinDate), QDate(1, 1, 1));
  EXPECT_EQ(astro::DateOfDateTime(MaxDate), QDate(9999, 12, 31));
}

TEST(SplitDate, RoundTripsThroughJoinDate) {
  for (const double date : {MinDate, -1.0, 0.0, 36523.0, MaxDate}) {
    EXPECT_EQ(JoinDate(SplitDate(date)), date);
  }
  EXPECT_EQ(SplitDate(36523.0), (ShownDate{1999, 12, 29}));
}

struct ShiftCase {
  StepKind kind;
  int amount;
  QDate from;
  const char* expected; // ISO date or "refused"
  const char* note;
};

TEST(ShiftDate, StepsAcrossMonthAndYearEnds) {
  const ShiftCase cases[] = {
      {StepKind::Days, 1, QDate(2023, 1, 31), "2023-02-01", "day across a month end"},
      {StepKind::Days, 1, QDate(2023, 12, 31), "2024-01-01", "day across a year end"},
      {StepKind::Days, -1, QDate(2024, 1, 1), "2023-12-31", "day back across a year end"},
      {StepKind::Days, 7, QDate(2024, 2, 25), "2024-03-03", "week across leap February"},
      {StepKind::Days, -7, QDate(2023, 3, 3), "2023-02-24", "week back across common February"},
      {StepKind::Days, 1, QDate(1899, 12, 29), "1899-12-30", "day across the epoch"},
      {StepKind::Months, 1, QDate(2023, 12, 15), "2024-01-15", "month 13 is January of the next year"},
      {StepKind::Months, -1, QDate(2024, 1, 15), "2023-12-15", "month 0 is December of the previous year"},
      {StepKind::Months, 1, QDate(2023, 1, 31), "2023-02-28", "day cut to a common February"},
      {StepKind::Months, 1, QDate(2024, 1, 31), "2024-02-29", "day cut to a leap February"},
      {StepKind::Months, -1, QDate(2024, 3, 31), "2024-02-29", "back into a leap February"},
      {StepKind::Months, 1, QDate(2023, 3, 31), "2023-04-30", "day cut to a 30-day month"},
      {StepKind::Months, 14, QDate(2023, 11, 30), "2025-01-30", "several months forward"},
      {StepKind::Months, -14, QDate(2023, 2, 28), "2021-12-28", "several months back"},
      {StepKind::Years, 1, QDate(2023, 6, 15), "2024-06-15", "year"},
      {StepKind::Years, -1, QDate(2023, 1, 1), "2022-01-01", "year back"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Text(ShiftDate(c.kind, c.amount, astro::DateTimeOfDate(c.from))), QLatin1String(c.expected))
        << c.note;
  }
}

TEST(ShiftDate, KeepsFebruary29OnlyInLeapYears) {
  const ShiftCase cases[] = {
      {StepKind::Years, 1, QDate(2024, 2, 29), "2025-02-28", "February 29 plus one year"},
      {StepKind::Years, -1, QDate(2024, 2, 29), "2023-02-28", "February 29 minus one year"},
      {StepKind::Years, 4, QDate(2024, 2, 29), "2028-02-29", "to the next leap year"},
      {StepKind::Years, -100, QDate(2000, 2, 29), "1900-02-28", "1900 is a common year"},
      {StepKind::Years, 400, QDate(2000, 2, 29), "2400-02-29", "2400 is a leap year"},
      {StepKind::Years, 10, QDate(2000, 2, 29), "2010-02-28", "ten-year step (Ctrl)"},
      {StepKind::Years, -10, QDate(2010, 2, 28), "2000-02-28", "ten years back keeps the 28th"},
      {StepKind::Years, 10, QDate(1990, 5, 31), "2000-05-31", "ten-year step, other days unchanged"},
      {StepKind::Months, 12, QDate(2024, 2, 29), "2025-02-28", "twelve months"},
      {StepKind::Days, 1, QDate(2024, 2, 28), "2024-02-29", "day into February 29"},
      {StepKind::Days, 1, QDate(2023, 2, 28), "2023-03-01", "no February 29 in 2023"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Text(ShiftDate(c.kind, c.amount, astro::DateTimeOfDate(c.from))), QLatin1String(c.expected))
        << c.note;
  }
}

TEST(ShiftDate, RefusesEveryStepBeyondTheLimits) {
  const ShiftCase cases[] = {
      {StepKind::Days, -1, QDate(1, 1, 1), "refused", "day before the first date"},
      {StepKind::Days, 1, QDate(9999, 12, 31), "refused", "day after the last date"},
      {StepKind::Days, -7, QDate(1, 1, 5), "refused", "week before the first date"},
      {StepKind::Days, 7, QDate(9999, 12, 28), "refused", "week after the last date"},
      {StepKind::Months, -1, QDate(1, 1, 31), "refused", "month before the first month"},
      {StepKind::Months, 1, QDate(9999, 12, 1), "refused", "month after the last month"},
      {StepKind::Years, -1, QDate(1, 6, 1), "refused", "year 0"},
      {StepKind::Years, 1, QDate(9999, 1, 1), "refused", "year 10000"},
      {StepKind::Years, -10, QDate(9, 1, 1), "refused", "ten years back from year 9"},
      {StepKind::Years, 1000, QDate(9000, 1, 1), "refused", "keypad step of 1000 years"},
      {StepKind::Days, -2147483647 - 1, QDate(2000, 1, 1), "refused", "no overflow"},
      {StepKind::Months, 2147483647, QDate(2000, 1, 1), "refused", "no overflow"},
      {StepKind::Years, -2147483647 - 1, QDate(2000, 1, 1), "refused", "no overflow"},
      // Right at the limits the step still counts.
      {StepKind::Days, -1, QDate(1, 1, 2), "0001-01-01", "onto the first date"},
      {StepKind::Days, 1, QDate(9999, 12, 30), "9999-12-31", "onto the last date"},
      {StepKind::Months, -1, QDate(1, 2, 28), "0001-01-28", "into the first month"},
      {StepKind::Years, 999, QDate(9000, 12, 31), "9999-12-31", "into the last year"},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(Text(ShiftDate(c.kind, c.amount, astro::DateTimeOfDate(c.from))), QLatin1String(c.expected))
        << c.note;
  }
}

TEST(StepDate, TellsWhetherTheMonthChanged) {
  struct Case {
    StepKind kind;
    int amount;
    double from;
    double expected;
    StepView view;
    const char* note;
  } const cases[] = {
      {StepKind::Days, 1, Day(2024, 3, 17), Day(2024, 3, 18), StepView::SameMonth, "marker moves"},
      {StepKind::Days, 1, Day(2024, 3, 31), Day(2024, 4, 1), StepView::OtherMonth, "next month"},
      {StepKind::Years, 1, Day(2024, 3, 17), Day(2025, 3, 17), StepView::OtherMonth, "same month, other year"},
      {StepKind::Days, -1, MinDate, MinDate, StepView::Refused, "first date"},
      {StepKind::Years, 1, MaxDate, MaxDate, StepView::Refused, "last year"},
  };
  for (const auto& c : cases) {
    const StepResult r = StepDate(c.kind, c.amount, c.from);
    EXPECT_EQ(r.date, c.expected) << c.note;
    EXPECT_EQ(r.view, c.view) << c.note;
  }
}

TEST(GoToTodayDate, KeepsTheShownYearOnRequest) {
  EXPECT_EQ(GoToTodayDate(Day(2024, 5, 9), false, 1850), Day(2024, 5, 9));
  EXPECT_EQ(GoToTodayDate(Day(2024, 5, 9), true, 1850), Day(1850, 5, 9));
  // Ctrl+Home on February 29 while a common year is shown.
  EXPECT_EQ(GoToTodayDate(Day(2024, 2, 29), true, 2023), Day(2023, 2, 28));
  EXPECT_EQ(GoToTodayDate(Day(2024, 2, 29), true, 2000), Day(2000, 2, 29));
  EXPECT_EQ(GoToTodayDate(Day(2024, 2, 29), true, 1900), Day(1900, 2, 28));
  EXPECT_EQ(GoToTodayDate(Day(2024, 12, 31), true, 1), Day(1, 12, 31));
  EXPECT_EQ(GoToTodayDate(Day(2024, 12, 31), true, 9999), MaxDate);
}

} // namespace
} // namespace dates
