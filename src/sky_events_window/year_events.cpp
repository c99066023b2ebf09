// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_events.h"

#include "astro/display.h"
#include "astro/shown_day.h"
#include "calendar_file/sky_calendar_events.h"
#include "sky_events/sky_event_list.h"
#include "sky_events/sky_event_texts.h"

#include <QStringList>

namespace sky_events_window {

namespace {

// Days read around a year for its clock changes.
constexpr double kYearSpan = 367.0;

} // namespace

YearAndPlace YearAndPlaceOf(const astro::AstroState& state, int year) {
  if (state.TimeType == astro::kLocalTime && state.LocalClock)
    return {year, state.SiteLatitude, state.SiteLongitude, 0.0, state.LocalClock->Zone().id()};
  return {year, state.SiteLatitude, state.SiteLongitude, state.ZoneHours, {}};
}

astro::ShownClock ClockOf(const YearAndPlace& key) {
  if (key.localZone.isEmpty()) return astro::ShownClock(static_cast<float>(key.zoneHours));
  const double first = astro::DateTimeOfDate(QDate(key.year, 1, 1)) - 1.0;
  return astro::ShownClock(QTimeZone(key.localZone), first, first + kYearSpan);
}

std::vector<sky_events::SkyEvent> EventsOfYear(const YearAndPlace& key) {
  const sky_events::GeoSite site{key.latitudeDeg, key.longitudeDeg, 0.0};
  if (!key.localZone.isEmpty()) {
    const astro::ShownClock clock = ClockOf(key);
    const auto startOf = [&](int year) {
      return clock.StartOfDay(astro::DateTimeOfDate(QDate(year, 1, 1))) + sky_events::kJulianDayOfDateTimeZero;
    };
    return sky_events::SkyEventsBetween(startOf(key.year), startOf(key.year + 1), site);
  }
  return sky_events::SkyEventsBetween(calendar_file::JulianDayOfLocalMidnight(QDate(key.year, 1, 1), key.zoneHours),
                               calendar_file::JulianDayOfLocalMidnight(QDate(key.year + 1, 1, 1), key.zoneHours), site);
}

const std::vector<sky_events::SkyEvent>& YearEvents::Of(const YearAndPlace& key) {
  if (!valid_ || !(key == key_)) {
    events_ = EventsOfYear(key);
    localDates_.clear();
    const astro::ShownClock clock = ClockOf(key);
    for (const sky_events::SkyEvent& e : events_) localDates_.push_back(sky_events::LocalOf(e.jdUt, clock).date());
    key_ = key;
    valid_ = true;
    ++computations_;
  }
  return events_;
}

std::vector<sky_events::SkyEvent> YearEvents::On(QDate date, double latitudeDeg, double longitudeDeg, double zoneHours) {
  return OnKey(date, {date.year(), latitudeDeg, longitudeDeg, zoneHours, {}});
}

std::vector<sky_events::SkyEvent> YearEvents::On(QDate date, const astro::AstroState& state) {
  return OnKey(date, YearAndPlaceOf(state, date.year()));
}

std::vector<sky_events::SkyEvent> YearEvents::OnKey(QDate date, const YearAndPlace& key) {
  std::vector<sky_events::SkyEvent> day;
  const std::vector<sky_events::SkyEvent>& year = Of(key);
  for (std::size_t i = 0; i < year.size(); ++i)
    if (localDates_[i] == date) day.push_back(year[i]);
  return day;
}

QString DayEventLine(const std::vector<sky_events::SkyEvent>& events, const astro::AstroState& state) {
  constexpr double kMillisecondsPerDay = 86400000.0;
  QStringList parts;
  const astro::ShownClock clock = astro::ClockOfDates(state, state.CalcDate - 1.0, state.CalcDate + 2.0);
  for (const sky_events::SkyEvent& e : events) {
    const double dayFraction = sky_events::LocalOf(e.jdUt, clock).time().msecsSinceStartOfDay() / kMillisecondsPerDay;
    parts << sky_events::EventSummary(e) + QLatin1Char(' ') + astro::TimeText(state, dayFraction);
  }
  return parts.join(QStringLiteral("; "));
}

} // namespace sky_events_window
