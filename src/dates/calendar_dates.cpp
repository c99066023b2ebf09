// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_dates.h"

#include "astro/display.h"

#include <QDate>

namespace dates {
namespace {

constexpr int kFirstYear = 1;
constexpr int kLastYear = 9999;
constexpr int kMonthsPerYear = 12;

bool IsLeapYear(int year) { return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0); }

bool YearInRange(long long year) { return year >= kFirstYear && year <= kLastYear; }

// The same day in another month and year, cut to that month's length.
double DateWithCutDay(int year, int month, int day) {
  const int last = DaysInMonth(month, year);
  return JoinDate({year, month, day < last ? day : last});
}

std::optional<double> ShiftDays(int amount, double date) {
  const double shifted = date + amount;
  if (shifted < MinDate || shifted > MaxDate) return std::nullopt;
  return shifted;
}

std::optional<double> ShiftMonths(int amount, double date) {
  const ShownDate d = SplitDate(date);
  // Months counted from January of year 0; floor division keeps negative steps right.
  const long long index = static_cast<long long>(d.year) * kMonthsPerYear + (d.month - 1) + amount;
  const long long year = index >= 0 ? index / kMonthsPerYear : (index - (kMonthsPerYear - 1)) / kMonthsPerYear;
  if (!YearInRange(year)) return std::nullopt;
  const int month = static_cast<int>(index - year * kMonthsPerYear) + 1;
  return DateWithCutDay(static_cast<int>(year), month, d.day);
}

std::optional<double> ShiftYears(int amount, double date) {
  const ShownDate d = SplitDate(date);
  const long long year = static_cast<long long>(d.year) + amount;
  if (!YearInRange(year)) return std::nullopt;
  return DateWithCutDay(static_cast<int>(year), d.month, d.day);
}

} // namespace

int DaysInMonth(int month, int year) {
  static constexpr int kLengths[kMonthsPerYear] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > kMonthsPerYear) return 0;
  if (month == 2 && IsLeapYear(year)) return 29;
  return kLengths[month - 1];
}

ShownDate SplitDate(double dateTime) {
  const QDate date = astro::DateOfDateTime(dateTime);
  return {date.year(), date.month(), date.day()};
}

double JoinDate(const ShownDate& date) { return astro::DateTimeOfDate(QDate(date.year, date.month, date.day)); }

std::optional<double> ShiftDate(StepKind kind, int amount, double date) {
  switch (kind) {
  case StepKind::Days:
    return ShiftDays(amount, date);
  case StepKind::Months:
    return ShiftMonths(amount, date);
  case StepKind::Years:
    return ShiftYears(amount, date);
  }
  return std::nullopt;
}

StepResult StepDate(StepKind kind, int amount, double calcDate) {
  const std::optional<double> shifted = ShiftDate(kind, amount, calcDate);
  if (!shifted) return {calcDate, StepView::Refused};
  const ShownDate before = SplitDate(calcDate);
  const ShownDate after = SplitDate(*shifted);
  const bool sameMonth = before.year == after.year && before.month == after.month;
  return {*shifted, sameMonth ? StepView::SameMonth : StepView::OtherMonth};
}

double GoToTodayDate(double today, bool keepShownYear, int shownYear) {
  const ShownDate d = SplitDate(today);
  // A shown year outside the limits cannot occur; today's own year serves then.
  if (!keepShownYear || !YearInRange(shownYear)) return JoinDate(d);
  return DateWithCutDay(shownYear, d.month, d.day);
}

} // namespace dates
