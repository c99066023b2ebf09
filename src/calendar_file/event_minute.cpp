// SPDX-License-Identifier: GPL-3.0-or-later
#include "event_minute.h"

#include "astro/numeric.h"

#include <cmath>

namespace calendar_file {

QDateTime UtcOfShownMinute(QDate localDate, double t, float zoneHours) {
  // RoundToMinute keeps a tenth of a minute above the whole minute.
  const auto minute = static_cast<qint64>(std::floor(static_cast<double>(astro::RoundToMinute(t)) * 1440.0));
  const auto zoneMinutes = static_cast<qint64>(std::lround(static_cast<double>(zoneHours) * 60.0));
  // Julian day 2440588 is 1970-01-01, the epoch of the milliseconds.
  constexpr qint64 kEpochDay = 2440588;
  const qint64 minutes = (localDate.toJulianDay() - kEpochDay) * 1440 + minute + zoneMinutes;
  // Qt::UTC rather than a QTimeZone: building a zone object per event was a
  // sixth of the time of a year of events.
  return QDateTime::fromMSecsSinceEpoch(minutes * 60000, Qt::UTC);
}

} // namespace calendar_file
