// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_events.h"

#include "astro/display.h"
#include "calendar_file/sky_calendar_events.h"
#include "sky_events/sky_event_list.h"
#include "sky_events/sky_event_texts.h"

#include <QStringList>

namespace sky_events_window {

std::vector<sky_events::SkyEvent> EventsOfYear(const YearAndPlace& key) {
  const sky_events::GeoSite site{key.latitudeDeg, key.longitudeDeg, 0.0};
  return sky_events::SkyEventsBetween(calendar_file::JulianDayOfLocalMidnight(QDate(key.year, 1, 1), key.zoneHours),
                               calendar_file::JulianDayOfLocalMidnight(QDate(key.year + 1, 1, 1), key.zoneHours), site);
}

const std::vector<sky_events::SkyEvent>& YearEvents::Of(const YearAndPlace& key) {
  if (!valid_ || !(key == key_)) {
    events_ = EventsOfYear(key);
    localDates_.clear();
    for (const sky_events::SkyEvent& e : events_) localDates_.push_back(sky_events::LocalOf(e.jdUt, key.zoneHours).date());
    key_ = key;
    valid_ = true;
    ++computations_;
  }
  return events_;
}

std::vector<sky_events::SkyEvent> YearEvents::On(QDate date, double latitudeDeg, double longitudeDeg, double zoneHours) {
  std::vector<sky_events::SkyEvent> day;
  const std::vector<sky_events::SkyEvent>& year = Of({date.year(), latitudeDeg, longitudeDeg, zoneHours});
  for (std::size_t i = 0; i < year.size(); ++i)
    if (localDates_[i] == date) day.push_back(year[i]);
  return day;
}

QString DayEventLine(const std::vector<sky_events::SkyEvent>& events, const astro::AstroState& state) {
  constexpr double kMillisecondsPerDay = 86400000.0;
  QStringList parts;
  for (const sky_events::SkyEvent& e : events) {
    const double dayFraction = sky_events::LocalOf(e.jdUt, state.ZoneHours).time().msecsSinceStartOfDay() / kMillisecondsPerDay;
    parts << sky_events::EventSummary(e) + QLatin1Char(' ') + astro::TimeText(state, dayFraction);
  }
  return parts.join(QStringLiteral("; "));
}

} // namespace sky_events_window
