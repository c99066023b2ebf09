// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Calendar events as an RFC 5545 iCalendar file, made by libical: escaping,
// line folding, CRLF line ends and the property rules are its work.

#include "almanac_events.h"
#include "settings_values.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <vector>

namespace exporting {

// "20260321-sunrise-1a2b3c4d5e6f7a8b@vesperon": the event's local date, its
// kind and a digest of the place's name and coordinates, so that the same
// event of the same place has the same UID on every run and every machine,
// and a calendar updates it on a second import instead of doubling it.
QString EventUid(const AlmanacEvent& event, const settings::SiteLocation& place);

// One VCALENDAR with one VEVENT per event: UID, DTSTAMP (stamp), DTSTART in
// UTC, DTEND when the event has an end, SUMMARY, DESCRIPTION when there is one, LOCATION the place's name, GEO
// latitude;longitude with East positive, and TRANSP:TRANSPARENT so that no
// entry blocks busy time. UTF-8 with CRLF line ends.
QByteArray CalendarFile(const std::vector<AlmanacEvent>& events, const settings::SiteLocation& place,
                        const QDateTime& stamp);

} // namespace exporting
