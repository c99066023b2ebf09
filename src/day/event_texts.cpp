// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_texts.h"

#include "astro/display.h"

#include <QCoreApplication>
#include <cmath>

namespace day {

QString NoneText() { return QCoreApplication::translate("day", "None", "no such event on the day"); }

QString EventTimeText(const astro::AstroState& state, double time) {
  return astro::IsMissingEvent(time) ? NoneText() : astro::TimeText(state, time);
}

QString EventAzimuthText(double time, double azimuth) {
  return astro::IsMissingEvent(time) ? QString() : astro::DegreesText(azimuth);
}

QString IlluminationText(double fraction) {
  // Half away from zero, as the number pattern "0" rounds.
  return QString::number(static_cast<long long>(std::round(100.0 * fraction))) + QLatin1Char('%');
}

} // namespace day
