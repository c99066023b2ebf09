// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_calendar_events.h"

#include "display.h"
#include "sky_event_texts.h"

namespace exporting {

double JulianDayOfLocalMidnight(QDate date, double zoneHours) {
  // The date-time of 00:00 counts whole days, before 1899 too.
  return astro::DateTimeOfDate(date) + sky::kJulianDayOfDateTimeZero + zoneHours / 24.0;
}

void AddSkyEvents(const astro::AstroState& state, QDate from, QDate to, const sky::EventKinds& kinds,
                  std::vector<AlmanacEvent>& out) {
  if (!kinds.seasons && !kinds.eclipses && !kinds.apsides) return;
  const sky::GeoSite site{state.SiteLatitude, state.SiteLongitude, 0.0};
  for (const sky::SkyEvent& e : sky::SkyEventsBetween(JulianDayOfLocalMidnight(from, state.ZoneHours),
                                                      JulianDayOfLocalMidnight(to.addDays(1), state.ZoneHours), site,
                                                      kinds)) {
    AlmanacEvent event{sky::KindName(e.kind), sky::LocalOf(e.jdUt, state.ZoneHours).date(), sky::UtcOf(e.jdUt),
                       sky::EventSummary(e),
                       e.apsis ? QString() : sky::EventDetails(e, state.ZoneHours), {}}; // an apsis says all in its title
    if (const auto span = sky::EclipseSpan(e)) {
      event.start = sky::UtcOf(span->first);
      event.end = sky::UtcOf(span->second);
    }
    out.push_back(event);
  }
}

} // namespace exporting
