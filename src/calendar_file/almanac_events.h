// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The events of a run of days as calendar entries: each at the minute the
// month table (or, for the phases, the phase list) shows, in Universal Time.

#include "astro/astro_state.h"

#include <QDate>
#include <QDateTime>
#include <QString>
#include <optional>
#include <vector>

namespace calendar_file {

// Which groups of events to take.
struct EventChoice {
  bool sun = true;      // sunrise, sunset
  bool twilight = true; // beginning and end of the chosen twilight
  bool moon = true;     // moon rise, transit and set
  bool phases = true;   // the principal phases
  // The sky events, only when asked for by name.
  bool seasons = false;  // equinoxes and solstices
  bool eclipses = false; // lunar, and solar seen from the place
  bool apsides = false;  // the Moon's perigee and apogee

  bool operator==(const EventChoice&) const = default;
};

// A comma list of "sun", "twilight", "moon", "phases", "seasons", "eclipses"
// and "apsides" (in any order, at least one); nothing for an unknown or empty
// name.
std::optional<EventChoice> EventChoiceNamed(const QString& list);

struct AlmanacEvent {
  QString kind;        // "sunrise", "civil-twilight-end", "moonrise", "full-moon", ...
  QDate localDate;     // the day it belongs to in the shown clock
  QDateTime start;     // UTC, whole minutes (sky events: whole seconds)
  QString summary;     // "Sunrise", "Moonrise 72%", "Full Moon"
  QString description; // "Azimuth 112°" for a rise or set; else empty
  QDateTime end;       // an eclipse's last contact; invalid for an instant
  // The instant the UID names: the event's minute on the days of Universal
  // Time, which no clock of the display moves; invalid when it is start.
  QDateTime uidStart;
};

// Every chosen event from `from` to `to` (local dates, both included) for the
// site, zone and TimeType of base; twilight 0 astronomical, 1 nautical, other
// values civil. The day events by day, then the phases by time, then the sky
// events by time. A missing event gives nothing.
std::vector<AlmanacEvent> CollectEvents(const astro::AstroState& base, int twilight, QDate from, QDate to,
                                        const EventChoice& choice);

} // namespace calendar_file
