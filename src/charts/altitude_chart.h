// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The altitude chart of a date as data: the Sun's and the Moon's altitude
// from the date's local noon to the next, their rises, transits and sets in
// that span, and the Moon's phase. The altitudes are those the rise and set
// search interpolates (astro::DayAltitude) and the events those the month
// table lists (month::ComputeMonthDays), so marks sit on the curves.

#include "astro/astro_state.h"
#include "chart_axes.h"

#include <QDate>
#include <vector>

namespace charts {

// Hours of the chart run from 12 (noon of the date) to 36 (noon of the next day).
inline constexpr double kFirstHour = 12.0;
inline constexpr double kLastHour = 36.0;

struct AltitudePoint {
  double hour = 0.0;    // hours from 00:00 of the date, shown clock
  double degrees = 0.0; // altitude of the body's centre, geocentric, no refraction
};

enum class Body { Sun, Moon };

struct AltitudeEvent {
  Body body = Body::Sun;
  astro::EventSlot slot = astro::kRise; // kRise, kTransit or kSet
  double hour = 0.0;
  double degrees = 0.0; // the curve's altitude there
  QString name;         // "Sunset", "Moon transit", ...
  QString time;         // as the day view shows it: "4:53 PM"
};

struct AltitudeChart {
  QDate date;
  ChartClock clock;
  std::vector<AltitudePoint> sun, moon; // every ten minutes, noon to noon
  std::vector<AltitudeEvent> events;    // in time order
  long moonPercent = 0;                 // the Moon's illuminated part at the date's noon, as the day view shows it
  QString moonPhase;                    // "waxing crescent", "full moon", ...
  std::vector<AxisTick> hourTicks;      // every two hours, 12 to 36
  std::vector<AxisTick> altitudeTicks;  // every 30 degrees, -90 to 90
  QString title;    // "Sun and Moon altitude at London, night of 9 December 2026"
  QString subtitle; // the clock and coordinates, and the Moon
};

// The chart for the site and clock of base (ApplyTimeSettings run for it;
// its CalcDate is not used). date is at most 9999-12-30.
AltitudeChart ComputeAltitudeChart(const astro::AstroState& base, const ChartClock& clock, QDate date);

// "new moon", "waxing crescent", "first quarter", "waxing gibbous", "full
// moon", "waning gibbous", "last quarter", "waning crescent" for a whole
// illuminated per cent and whether it grows.
QString MoonPhaseName(long percent, bool waxing);

} // namespace charts
