// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What both charts write on their axes and above them: the clock's hour
// labels as the month table writes times, and the place and clock a chart
// is computed for.

#include "settings/settings_values.h"

#include <QString>
#include <vector>

namespace charts {

// Where a chart is and how its times read.
struct ChartClock {
  settings::SiteLocation location; // its name, coordinates and zone
  int tFormat = 0;  // 0 twelve-hour clock, other values twenty-four-hour
  int timeType = 0; // as astro::AstroState::TimeType
};

// A labelled value on an axis.
struct AxisTick {
  double value = 0.0; // in the axis's unit (hours, days, degrees)
  QString text;
};

// Every `step` hours from `from` to `to` (hours of the local day; past 24 is
// the next day), labelled in the month table's clock format ("6:00a", "18:00").
std::vector<AxisTick> HourTicks(double from, double to, double step, const ChartClock& clock);

// A time of the local day (hours, 0 to 24) as the month table writes it.
QString ClockText(double hours, const ChartClock& clock);

// "Standard Time", "Daylight Time" or "Universal Time": the chart's clock.
QString ClockName(const ChartClock& clock);

// "Standard Time · 42.97°N  85.6°W  5hrW": the clock and the place's
// coordinates as the tables' title block writes them.
QString ClockAndCoordinates(const ChartClock& clock);

} // namespace charts
