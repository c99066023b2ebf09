// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The date rules of the month calendar: month lengths, the limits of every
// step, and the day, month and year steps. Dates are the program's date-times
// (days since 1899-12-30 00:00, time 0) in the proleptic Gregorian calendar.

#include <optional>

namespace dates {

// 0001-01-01 and 9999-12-31, the first and last dates any step may reach.
inline constexpr double MinDate = -693593.0;
inline constexpr double MaxDate = 2958465.0;

// What a step moves: the values are those of the calendar's handlers.
enum class StepKind { Days = 1, Months = 2, Years = 3 };

// The calendar parts of a date (ShownYear, ShownMonth, ShownDay).
struct ShownDate {
  int year = 1;
  int month = 1; // 1..12
  int day = 1;   // 1..31

  bool operator==(const ShownDate&) const = default;
};

// The one month-length rule of the program: February has 29 days in years
// divisible by 4, except centuries not divisible by 400 (years 1 to 9999).
// 0 for a month outside 1..12.
int DaysInMonth(int month, int year);

ShownDate SplitDate(double dateTime);
// A date-time at 00:00; the day must exist in that month.
double JoinDate(const ShownDate& date);

// The date `amount` days, months or years from `date`, or nothing when the
// step would leave MinDate..MaxDate (the caller keeps its date and ends any
// auto-repeat). Month and year steps cut the day to the length of the target
// month: January 31 plus one month is February 28 or 29, February 29 plus one
// year is February 28.
std::optional<double> ShiftDate(StepKind kind, int amount, double date);

// How the calendar shows the outcome of a step.
enum class StepView {
  Refused,    // the step left the limits: date unchanged, any repeat stops
  SameMonth,  // only the selection marker moves
  OtherMonth, // the captions change and the month is laid out again
};

struct StepResult {
  double date = 0.0; // the new CalcDate (the old one when refused)
  StepView view = StepView::Refused;
};

// One step of CalcDate, as the arrows, strips and keys make it.
StepResult StepDate(StepKind kind, int amount, double calcDate);

// The date that "Today" selects: today's date, or with keepShownYear today's
// month and day in shownYear (February 29 cut to 28 in a common year).
double GoToTodayDate(double today, bool keepShownYear, int shownYear);

} // namespace dates
