// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What each chart shows, in sentences for a screen reader and for the SVG's
// description.

#include "altitude_chart.h"
#include "daylight_chart.h"

#include <QString>

namespace charts {

// The title and clock; the shortest and longest day with their daylight
// (or the spans of polar night and midnight sun), and the clock's changes.
QString DaylightSummary(const DaylightChart& chart);

// The title and clock, the Moon's phase, and every rise, transit and set
// between the two noons with its time, in time order.
QString AltitudeSummary(const AltitudeChart& chart);

// "7 h 49 min" for a length in hours.
QString DurationText(double hours);

} // namespace charts
