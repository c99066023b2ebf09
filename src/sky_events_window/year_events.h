// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The sky events of one year at one place on one clock, computed once and
// kept: the Sky Events window lists them and the day view looks up its day in
// them on every change of date. QtCore only.

#include "astro/astro_state.h"
#include "astro/shown_clock.h"
#include "sky_events/sky_event.h"

#include <QDate>
#include <QString>
#include <vector>

namespace sky_events_window {

// The year, place and clock a list is computed for.
struct YearAndPlace {
  int year = 0;
  double latitudeDeg = 0.0;  // North positive
  double longitudeDeg = 0.0; // West positive
  double zoneHours = 0.0;    // added to the shown clock to get UT, West positive
  QByteArray localZone;      // local time: the place's IANA zone, whose clock replaces zoneHours; else empty

  bool operator==(const YearAndPlace&) const = default;
};

// The key of a year at the state's site, in its shown clock.
YearAndPlace YearAndPlaceOf(const astro::AstroState& state, int year);

// The clock a key's events are shown on.
astro::ShownClock ClockOf(const YearAndPlace& key);

// Every event from 1 January 00:00 to the next 1 January 00:00 of the shown
// clock, in time order.
std::vector<sky_events::SkyEvent> EventsOfYear(const YearAndPlace& key);

class YearEvents {
public:
  // The year's events; computed only when the year, place or clock differs
  // from the last call's.
  const std::vector<sky_events::SkyEvent>& Of(const YearAndPlace& key);
  // The events dated on a date of the shown clock, and the eclipses under
  // way on it that are dated on the day before or after.
  std::vector<sky_events::SkyEvent> On(QDate date, double latitudeDeg, double longitudeDeg, double zoneHours);
  // The same at the state's site and in its shown clock.
  std::vector<sky_events::SkyEvent> On(QDate date, const astro::AstroState& state);
  // How many times a year was computed, for tests of the reuse.
  int computations() const { return computations_; }

private:
  std::vector<sky_events::SkyEvent> OnKey(QDate date, const YearAndPlace& key);

  YearAndPlace key_;
  bool valid_ = false;
  std::vector<sky_events::SkyEvent> events_;
  std::vector<sky_events::SkyEvent> around_; // events_ and those of the days either side
  int computations_ = 0;
};

// The day view's line for a day's events, each time first as the day view
// shows times (TimeText of state, whose ZoneHours is the clock), joined by
// "; ": "1:40 PM Total solar eclipse". An eclipse carries its greatest
// eclipse (a solar one the local greatest); on the date before or after it
// the time it begins or ends: "9:44 PM Total lunar eclipse begins". Empty
// for a day without one.
struct DayEventLine {
  QString full;  // the events' summaries (EventSummary)
  QString brief; // in fewer words (BriefSummary), for a short room
};
DayEventLine DayEventLineOf(const std::vector<sky_events::SkyEvent>& events, QDate date,
                            const astro::AstroState& state);

} // namespace sky_events_window
