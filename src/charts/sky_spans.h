// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The part of one local day a body stands above an altitude, read from the
// day's pair of crossing times as the year table holds them.

#include "year/year_table.h"

#include <array>
#include <vector>

namespace charts {

// A stretch of the local day, hours of the shown clock (0 to 24).
struct HourSpan {
  double from = 0.0;
  double to = 0.0;
  double length() const { return to - from; }
};

// Above from the rise (or beginning) to the set (or end): one span when the
// rise comes first, the day's two ends when the set does, from midnight to
// the set when the rise fell on the day before, from the rise to midnight when
// the set falls on the day after, all day or none when the body stays on one
// side.
std::vector<HourSpan> SpansAbove(const std::array<year::YearTime, 2>& riseAndSet);

// Hours in the spans.
double TotalHours(const std::vector<HourSpan>& spans);

} // namespace charts
