// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A list of sky events as text columns, CSV and JSON: one set of facts, three
// shapes. QtCore only.

#include "astro/shown_clock.h"
#include "sky_event.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <vector>

namespace sky_events {

// Where and on which clock the list is read.
struct EventListContext {
  QString placeName;
  double latitudeDeg = 0.0;  // North positive
  double longitudeDeg = 0.0; // West positive
  double zoneHours = 0.0;    // added to the shown clock to get UT, West positive
  QString timeTypeName;      // "Standard Time", "Daylight Time", "Universal Time", "Local Time"
  QDate from, to;            // local dates, both included
  // Local time: the place's wall clock, whose offsets replace zoneHours for
  // the times; fixed (the default) in the other time types.
  astro::ShownClock localClock;
  // The clock the times are read on.
  astro::ShownClock Clock() const {
    return localClock.IsFixed() ? astro::ShownClock(static_cast<float>(zoneHours)) : localClock;
  }
};

// A title, a place line, a header and one line per event: local date and
// time, UTC, the event (EventTitle) and its details in words (EventDetails,
// a contact on another local date dated).
QStringList EventTextLines(const std::vector<SkyEvent>& events, const EventListContext& context);

// A header and one row per event: the local ISO date first, then one column
// per fact; contacts as local date-times with the body's altitude beside each.
QStringList EventCsvLines(const std::vector<SkyEvent>& events, const EventListContext& context);

// One object: the place, the span, and "events", an array in time order.
QString EventsJson(const std::vector<SkyEvent>& events, const EventListContext& context);

} // namespace sky_events
