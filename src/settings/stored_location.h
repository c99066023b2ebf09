// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The current location in the settings store: "Location/City", "TimeZone",
// "Latitude" and "Longitude". The numbers are stored as text by
// FormatSettingNumber and read back by ParseLocaleNumber. Shared by the
// settings load and save and by the question at closing whether to keep a
// changed location.

#include "settings_values.h"

#include <QSettings>

namespace settings {

// The stored location. An absent value takes the first-run location's value;
// a number that does not convert, or lies beyond its limit, becomes 0 (a value
// far beyond the Earth's ranges would only feed nonsense to the astronomy).
SiteLocation ReadStoredLocation(const QSettings& store);

// Writes City, TimeZone, Latitude and Longitude, in that order.
void WriteStoredLocation(QSettings& store, const SiteLocation& location);

// False until a location has been written: the stored latitude reads as its
// never-written marker "100".
bool IsLocationStored(const QSettings& store);

} // namespace settings
