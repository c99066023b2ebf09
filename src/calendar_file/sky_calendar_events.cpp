// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_calendar_events.h"

#include "astro/display.h"
#include "sky_events/sky_event_texts.h"

namespace calendar_file {

double JulianDayOfLocalMidnight(QDate date, double zoneHours) {
  // The date-time of 00:00 counts whole days, before 1899 too.
  return astro::DateTimeOfDate(date) + sky_events::kJulianDayOfDateTimeZero + zoneHours / 24.0;
}

void AddSkyEvents(const astro::AstroState& state, QDate from, QDate to, const sky_events::EventKinds& kinds,
                  std::vector<AlmanacEvent>& out) {
  if (!kinds.seasons && !kinds.eclipses && !kinds.apsides) return;
  const sky_events::GeoSite site{state.SiteLatitude, state.SiteLongitude, 0.0};
  for (const sky_events::SkyEvent& e : sky_events::SkyEventsBetween(JulianDayOfLocalMidnight(from, state.ZoneHours),
                                                      JulianDayOfLocalMidnight(to.addDays(1), state.ZoneHours), site,
                                                      kinds)) {
    AlmanacEvent event{sky_events::KindName(e.kind), sky_events::LocalOf(e.jdUt, state.ZoneHours).date(), sky_events::UtcOf(e.jdUt),
                       sky_events::EventSummary(e),
                       e.apsis ? QString() : sky_events::EventDetails(e, state.ZoneHours), {}}; // an apsis says all in its title
    if (const auto span = sky_events::EclipseSpan(e)) {
      event.start = sky_events::UtcOf(span->first);
      event.end = sky_events::UtcOf(span->second);
    }
    out.push_back(event);
  }
}

} // namespace calendar_file
