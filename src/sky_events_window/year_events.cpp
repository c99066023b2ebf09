// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_events.h"

#include "astro/display.h"
#include "astro/shown_day.h"
#include "calendar_file/sky_calendar_events.h"
#include "sky_events/sky_event_list.h"
#include "sky_events/sky_event_texts.h"

#include <QCoreApplication>
#include <QStringList>

namespace sky_events_window {

namespace {

// Days read around a year for its clock changes.
constexpr double kYearSpan = 367.0;

// The Julian Day (UT) at which `date` begins on the key's clock.
double StartOfDate(QDate date, const YearAndPlace& key, const astro::ShownClock& clock) {
  if (key.localZone.isEmpty()) return calendar_file::JulianDayOfLocalMidnight(date, key.zoneHours);
  return clock.StartOfDay(astro::DateTimeOfDate(date)) + sky_events::kJulianDayOfDateTimeZero;
}

std::vector<sky_events::SkyEvent> EventsBetween(QDate from, QDate to, const YearAndPlace& key) {
  const sky_events::GeoSite site{key.latitudeDeg, key.longitudeDeg, 0.0};
  const astro::ShownClock clock = ClockOf(key);
  return sky_events::SkyEventsBetween(StartOfDate(from, key, clock), StartOfDate(to, key, clock), site);
}

QDate LocalDate(double jdUt, const astro::ShownClock& clock) { return sky_events::LocalOf(jdUt, clock).date(); }

// "Total lunar eclipse begins, not visible here": the phase ("%1 begins")
// said of the name, before the first comma.
QString WithPhase(const QString& summary, const QString& phase) {
  if (phase.isEmpty()) return summary;
  const qsizetype comma = summary.indexOf(QStringLiteral(", "));
  const qsizetype end = comma < 0 ? summary.size() : comma;
  return phase.arg(summary.left(end)) + summary.mid(end);
}

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
  return EventsBetween(QDate(key.year, 1, 1), QDate(key.year + 1, 1, 1), key);
}

const std::vector<sky_events::SkyEvent>& YearEvents::Of(const YearAndPlace& key) {
  if (!valid_ || !(key == key_)) {
    // A day more either side, for the eclipses under way at the year's ends.
    around_ = EventsBetween(QDate(key.year, 1, 1).addDays(-1), QDate(key.year + 1, 1, 2), key);
    events_.clear();
    const astro::ShownClock clock = ClockOf(key);
    for (const sky_events::SkyEvent& e : around_)
      if (LocalDate(e.jdUt, clock).year() == key.year) events_.push_back(e);
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
  Of(key);
  const astro::ShownClock clock = ClockOf(key);
  std::vector<sky_events::SkyEvent> day;
  for (const sky_events::SkyEvent& e : around_) {
    const auto span = sky_events::EclipseSpan(e);
    const bool touches = span && LocalDate(span->first, clock) <= date && LocalDate(span->second, clock) >= date;
    if (LocalDate(e.jdUt, clock) == date || touches) day.push_back(e);
  }
  return day;
}

DayEventLine DayEventLineOf(const std::vector<sky_events::SkyEvent>& events, QDate date,
                            const astro::AstroState& state) {
  constexpr double kMillisecondsPerDay = 86400000.0;
  const astro::ShownClock clock = astro::ClockOfDates(state, state.CalcDate - 1.0, state.CalcDate + 2.0);
  const auto timeText = [&state, &clock](double jdUt) {
    return astro::TimeText(state, sky_events::LocalOf(jdUt, clock).time().msecsSinceStartOfDay() / kMillisecondsPerDay);
  };
  QStringList full, brief;
  for (const sky_events::SkyEvent& e : events) {
    double instant = e.jdUt;
    QString phase;
    if (LocalDate(e.jdUt, clock) != date) {
      const auto span = sky_events::EclipseSpan(e);
      if (!span) continue;
      const bool begins = LocalDate(span->first, clock) == date;
      instant = begins ? span->first : span->second;
      phase = begins ? QCoreApplication::translate("sky_events_window", "%1 begins")
                     : QCoreApplication::translate("sky_events_window", "%1 ends");
    }
    const QString time = timeText(instant) + QLatin1Char(' ');
    full << time + WithPhase(sky_events::EventSummary(e), phase);
    brief << time + WithPhase(sky_events::BriefSummary(e), phase);
  }
  return {full.join(QStringLiteral("; ")), brief.join(QStringLiteral("; "))};
}

} // namespace sky_events_window
