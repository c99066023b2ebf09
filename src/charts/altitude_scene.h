// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The altitude chart laid out for a picture size: noon to noon across,
// altitude up, the horizon and the twilight altitudes shaded, the Sun's and
// the Moon's curves with their rises, transits and sets marked and timed.

#include "altitude_chart.h"
#include "chart_scene.h"

namespace charts {

Scene AltitudeScene(const AltitudeChart& chart, QSizeF size);

} // namespace charts
