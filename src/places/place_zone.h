// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The clocks a place keeps, as an IANA zone of the system's time zone
// database: a shipped place's from the list's details, a typed place's from
// its neighbours on the list.

#include "location_list.h"
#include "place_details.h"
#include "settings/settings_values.h"

#include <QString>

namespace places {

// The zone of a fixed offset of standardZoneHours (hours, West positive), as
// the database names such zones: "UTC+05:45" for -5.75, "UTC" for 0.
QString FixedOffsetZoneId(float standardZoneHours);

// The zone of a typed place: that of the nearest place of `list` (along the
// great circle) whose details name a zone keeping the place's standard offset
// (site.SiteTimeZone); else FixedOffsetZoneId of that offset.
QString ZoneIdNear(const settings::SiteLocation& site, const LocationList& list, const PlaceDetailsByName& details);

// The zone of a place picked or typed: the details' zone of its name when they
// give one, else ZoneIdNear.
QString ZoneIdOfPlace(const settings::SiteLocation& site, const LocationList& list,
                      const PlaceDetailsByName& details);

} // namespace places
