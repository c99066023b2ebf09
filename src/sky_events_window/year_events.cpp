// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_events.h"

#include "astro/display.h"
#include "calendar_file/sky_calendar_events.h"
#include "sky_events/sky_event_list.h"
#include "sky_events/sky_event_texts.h"

#include <QStringList>

namespace sky_events_window {

namespace {

std::vector<sky_events::SkyEvent> EventsBetween(QDate from, QDate to, const YearAndPlace& key) {
  const sky_events::GeoSite site{key.latitudeDeg, key.longitudeDeg, 0.0};
  return sky_events::SkyEventsBetween(calendar_file::JulianDayOfLocalMidnight(from, key.zoneHours),
                                      calendar_file::JulianDayOfLocalMidnight(to, key.zoneHours), site);
}

QDate LocalDate(double jdUt, double zoneHours) { return sky_events::LocalOf(jdUt, zoneHours).date(); }

// "Total lunar eclipse begins, not visible here": the phase after the name.
QString WithPhase(QString summary, const QString& phase) {
  const qsizetype comma = summary.indexOf(QStringLiteral(", "));
  return summary.insert(comma < 0 ? summary.size() : comma, phase);
}

} // namespace

std::vector<sky_events::SkyEvent> EventsOfYear(const YearAndPlace& key) {
  return EventsBetween(QDate(key.year, 1, 1), QDate(key.year + 1, 1, 1), key);
}

const std::vector<sky_events::SkyEvent>& YearEvents::Of(const YearAndPlace& key) {
  if (!valid_ || !(key == key_)) {
    // A day more either side, for the eclipses under way at the year's ends.
    around_ = EventsBetween(QDate(key.year, 1, 1).addDays(-1), QDate(key.year + 1, 1, 2), key);
    events_.clear();
    for (const sky_events::SkyEvent& e : around_)
      if (LocalDate(e.jdUt, key.zoneHours).year() == key.year) events_.push_back(e);
    key_ = key;
    valid_ = true;
    ++computations_;
  }
  return events_;
}

std::vector<sky_events::SkyEvent> YearEvents::On(QDate date, double latitudeDeg, double longitudeDeg, double zoneHours) {
  Of({date.year(), latitudeDeg, longitudeDeg, zoneHours});
  std::vector<sky_events::SkyEvent> day;
  for (const sky_events::SkyEvent& e : around_) {
    const auto span = sky_events::EclipseSpan(e);
    const bool touches = span && LocalDate(span->first, zoneHours) <= date && LocalDate(span->second, zoneHours) >= date;
    if (LocalDate(e.jdUt, zoneHours) == date || touches) day.push_back(e);
  }
  return day;
}

DayEventLine DayEventLineOf(const std::vector<sky_events::SkyEvent>& events, QDate date,
                            const astro::AstroState& state) {
  constexpr double kMillisecondsPerDay = 86400000.0;
  const auto timeText = [&state](double jdUt) {
    return astro::TimeText(state, sky_events::LocalOf(jdUt, state.ZoneHours).time().msecsSinceStartOfDay() /
                                      kMillisecondsPerDay);
  };
  QStringList full, brief;
  for (const sky_events::SkyEvent& e : events) {
    double instant = e.jdUt;
    QString phase;
    if (LocalDate(e.jdUt, state.ZoneHours) != date) {
      const auto span = sky_events::EclipseSpan(e);
      if (!span) continue;
      const bool begins = LocalDate(span->first, state.ZoneHours) == date;
      instant = begins ? span->first : span->second;
      phase = begins ? QStringLiteral(" begins") : QStringLiteral(" ends");
    }
    const QString time = timeText(instant) + QLatin1Char(' ');
    full << time + WithPhase(sky_events::EventSummary(e), phase);
    brief << time + WithPhase(sky_events::BriefSummary(e), phase);
  }
  return {full.join(QStringLiteral("; ")), brief.join(QStringLiteral("; "))};
}

} // namespace sky_events_window
