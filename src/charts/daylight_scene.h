// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The daylight chart laid out for a picture size: dates across, the time of
// day down, the sky's bands day by day, the moonrise and moonset curves and
// the year's marks, with the hour axis in the chart's clock and a legend.

#include "chart_scene.h"
#include "daylight_chart.h"

namespace charts {

Scene DaylightScene(const DaylightChart& chart, QSizeF size);

} // namespace charts
