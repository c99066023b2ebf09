// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The daylight chart of a year at a place as data: for every day the hours
// the Sun stands above each twilight altitude and above the horizon, the
// moonrise and moonset, and the year's marks. Every time comes from the year
// tables (year::ComputeYearTable), in the clock they are computed in, so the
// chart shows what the tables list.

#include "astro/astro_state.h"
#include "chart_axes.h"
#include "sky_spans.h"
#include "year_marks.h"

#include <QDate>
#include <array>
#include <optional>
#include <vector>

namespace charts {

// The sky's states from dark to light; each is bounded below by an altitude
// of the Sun (-18, -12, -6 degrees and sunrise's -0.833).
enum SkyBand { kNight, kAstronomical, kNautical, kCivil, kDay };
inline constexpr int kSkyBandCount = 5;
inline constexpr int kSunAltitudeCount = 4; // astronomical, nautical, civil, sunrise

struct DaylightDay {
  QDate date;
  // The hours the Sun is above astronomical twilight's altitude, nautical's,
  // civil's and sunrise's (index SkyBand - 1): each inside the one before.
  std::array<std::vector<HourSpan>, kSunAltitudeCount> above;
  std::optional<double> moonrise, moonset; // hours of the shown clock
  double dayHours() const { return TotalHours(above[kDay - 1]); }
  bool midnightSun() const; // the Sun above the horizon all day
  bool polarNight() const;  // the Sun below the horizon all day
};

// Days in a row with the Sun up all day or down all day.
struct PolarSpan {
  int first = 0, last = 0; // day indexes, inclusive
  bool midnightSun = false;
};

// A change of the clock between the day before and `day`: the clock's reading
// of the Sun's times moves by `hours` (+1 when the clocks go forward).
struct ClockChange {
  int day = 0;
  double hours = 0.0;
};

struct DaylightChart {
  int year = 2000;
  ChartClock clock;
  std::vector<DaylightDay> days; // 1 January to 31 December
  std::vector<YearMark> marks;
  std::vector<PolarSpan> polar;
  std::vector<ClockChange> clockChanges;
  std::vector<AxisTick> hourTicks;  // every three hours, 0 to 24
  std::vector<AxisTick> monthTicks; // the first of each month (day index) and its short name
  QString title;    // "Daylight at London in 2026"
  QString subtitle; // the clock, and latitude and longitude
};

// The chart for the site, zone and TimeType of base (its CalcDate is not
// used); today is marked when it falls in the year.
DaylightChart ComputeDaylightChart(const astro::AstroState& base, const ChartClock& clock, int year, QDate today);

// Days in a row where the Sun keeps up or down all day.
std::vector<PolarSpan> PolarSpansOf(const std::vector<DaylightDay>& days);

// Where the clock's readings step: from one day to the next the middle of the
// day moves by a quarter hour or more while its length changes by less than
// six minutes, which the Sun alone never does.
std::vector<ClockChange> ClockChangesOf(const std::vector<DaylightDay>& days);

} // namespace charts
