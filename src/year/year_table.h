// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One event pair (rise and set, or twilight's beginning and end) for every
// day of a year, from the month table's own day computation, so that every
// time is the one the month table shows.

#include "astro/astro_state.h"
#include "month/missing_reason.h"

#include <QDate>
#include <QString>
#include <array>
#include <optional>
#include <vector>

namespace year {

enum class YearEvent { Sun, Moon, Civil, Nautical, Astronomical };

// "sun", "moon", "civil", "nautical", "astronomical" and back.
QString YearEventName(YearEvent event);
std::optional<YearEvent> YearEventNamed(const QString& name);

bool IsTwilight(YearEvent event);

// One of the pair: the time (fraction of the local civil day) or a marker,
// and why it is missing.
struct YearTime {
  double time = astro::NoEventToday;
  month::MissingReason missing = month::MissingReason::NoEventToday;
};

struct YearDay {
  QDate date;
  std::array<YearTime, 2> times; // rise (or beginning), set (or end)
  bool clocksChange = false;      // local time: the clocks change that day
};

struct YearTable {
  int year = 2000;
  YearEvent event = YearEvent::Sun;
  double altitude = 0.0;     // degrees searched for (the Moon's: of the year's first day)
  std::vector<YearDay> days; // 1 January to 31 December
  QString clockNames;        // local time: the clocks of the year in order ("GMT/BST"); else empty
};

// The year for the site, zone and TimeType of base (its CalcDate is not used).
YearTable ComputeYearTable(const astro::AstroState& base, int year, YearEvent event);

} // namespace year
