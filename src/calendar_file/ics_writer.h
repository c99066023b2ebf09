// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calendar events as an RFC 5545 iCalendar file, made by libical: escaping,
// line folding, CRLF line ends and the property rules are its work.

#include "almanac_events.h"
#include "settings/settings_values.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace calendar_file {

// "20260321T0547Z-sunrise-1a2b3c4d5e6f7a8b@vesperon": the event's start in
// Universal Time (the minute the windows show), its kind and a digest of the
// place's name and coordinates.
// Nothing the display chooses (the time type, the clock) enters it, so the
// same event of the same place has the same UID on every run and every
// machine, and a calendar updates it on a second import instead of doubling it.
QString EventUid(const AlmanacEvent& event, const settings::SiteLocation& place);

// A calendar file, or why none could be made (refusal, for the user: the first
// event whose date the file cannot hold).
struct CalendarFileText {
  QByteArray bytes;
  QString refusal; // empty when the file was made
};

// One VCALENDAR with one VEVENT per event: UID, DTSTAMP (stamp), DTSTART in
// UTC, DTEND when the event has an end, SUMMARY, DESCRIPTION when there is one, LOCATION the place's name, GEO
// latitude;longitude with East positive, and TRANSP:TRANSPARENT so that no
// entry blocks busy time. UTF-8 with CRLF line ends. Dates are written with
// ISO years; calendar programs take the years 1 to 3000 only, and a span with
// an event outside them, in Universal Time, is refused as a whole.
CalendarFileText CalendarFile(const std::vector<AlmanacEvent>& events, const settings::SiteLocation& place,
                              const QDateTime& stamp);

} // namespace calendar_file
