// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_calendar_events.h"

#include "astro/display.h"
#include "astro/shown_day.h"
#include "sky_events/sky_event_texts.h"

namespace calendar_file {

double JulianDayOfLocalMidnight(QDate date, double zoneHours) {
  // The date-time of 00:00 counts whole days, before 1899 too.
  return astro::DateTimeOfDate(date) + sky_events::kJulianDayOfDateTimeZero + zoneHours / 24.0;
}

ShownSpan ShownSpanOf(const astro::AstroState& state, QDate from, QDate to) {
  const double first = astro::DateTimeOfDate(from), last = astro::DateTimeOfDate(to) + 1.0;
  const astro::ShownClock clock = astro::ClockOfDates(state, first - 1.0, last + 1.0);
  if (clock.IsFixed())
    return {JulianDayOfLocalMidnight(from, state.ZoneHours), JulianDayOfLocalMidnight(to.addDays(1), state.ZoneHours),
            clock};
  return {clock.StartOfDay(first) + sky_events::kJulianDayOfDateTimeZero,
          clock.StartOfDay(last) + sky_events::kJulianDayOfDateTimeZero, clock};
}

AlmanacEvent SkyCalendarEvent(const sky_events::SkyEvent& e, const astro::ShownClock& clock) {
  // The description's times are in UTC, as the entry's are, and say so; a
  // season or an apsis says all in its title.
  const bool eclipse = e.lunar || e.solar;
  const sky_events::EventClock utc{astro::ShownClock(0.0f), {}, QStringLiteral(" UTC")};
  AlmanacEvent event{sky_events::KindName(e.kind), sky_events::LocalOf(e.jdUt, clock).date(),
                     sky_events::UtcOf(e.jdUt), sky_events::EventSummary(e),
                     eclipse ? sky_events::EventDetails(e, utc, true) : QString(), {}, {}};
  if (const auto span = sky_events::EclipseSpan(e)) {
    event.start = sky_events::UtcOf(span->first);
    event.end = sky_events::UtcOf(span->second);
  }
  return event;
}

void AddSkyEvents(const astro::AstroState& state, QDate from, QDate to, const sky_events::EventKinds& kinds,
                  std::vector<AlmanacEvent>& out) {
  if (!kinds.seasons && !kinds.eclipses && !kinds.apsides) return;
  const sky_events::GeoSite site{state.SiteLatitude, state.SiteLongitude, 0.0};
  const ShownSpan span = ShownSpanOf(state, from, to);
  for (const sky_events::SkyEvent& e : sky_events::SkyEventsBetween(span.begin, span.end, site, kinds))
    out.push_back(SkyCalendarEvent(e, span.clock));
}

} // namespace calendar_file
