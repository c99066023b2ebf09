// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_axes.h"

#include "month/table_texts.h"
#include "month/title_block.h"

#include <cmath>

namespace charts {

QString ClockText(double hours, const ChartClock& clock) {
  const double dayFraction = std::fmod(hours, 24.0) / 24.0;
  return month::ListTime(dayFraction, clock.tFormat, clock.timeType);
}

std::vector<AxisTick> HourTicks(double from, double to, double step, const ChartClock& clock) {
  std::vector<AxisTick> ticks;
  for (double h = from; h <= to + 1e-9; h += step) ticks.push_back({h, ClockText(h, clock)});
  return ticks;
}

QString ClockName(const ChartClock& clock) { return month::TimeTypeName(clock.timeType); }

QString ClockAndCoordinates(const ChartClock& clock) {
  return QStringLiteral("%1 \u00b7 %2").arg(ClockName(clock), month::CoordinatesLine(clock.location));
}

} // namespace charts
