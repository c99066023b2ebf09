// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_spans.h"

namespace charts {
namespace {

constexpr double kHoursPerDay = 24.0;

} // namespace

std::vector<HourSpan> SpansAbove(const std::array<year::YearTime, 2>& riseAndSet) {
  const year::YearTime& rise = riseAndSet[0];
  const year::YearTime& set = riseAndSet[1];
  const bool hasRise = rise.missing == month::MissingReason::None;
  const bool hasSet = set.missing == month::MissingReason::None;
  const double r = rise.time * kHoursPerDay, s = set.time * kHoursPerDay;
  if (hasRise && hasSet) {
    if (r <= s) return {{r, s}};
    return {{0.0, s}, {r, kHoursPerDay}};
  }
  if (hasRise) return {{r, kHoursPerDay}};
  if (hasSet) return {{0.0, s}};
  // Neither crossing today: the side the body keeps all day.
  if (rise.missing == month::MissingReason::StaysAbove || set.missing == month::MissingReason::StaysAbove)
    return {{0.0, kHoursPerDay}};
  return {};
}

double TotalHours(const std::vector<HourSpan>& spans) {
  double total = 0.0;
  for (const HourSpan& s : spans) total += s.length();
  return total;
}

} // namespace charts
