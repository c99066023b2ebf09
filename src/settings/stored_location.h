// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The current location in the settings store: "Location/City", "TimeZone",
// "Latitude", "Longitude" and "ZoneId" (the IANA zone; stores written before
// it was kept lack it, and the place then has no zone). The numbers are stored
// as text by FormatSettingNumber (with a decimal point in every locale) and
// read back by ParseLocaleNumber, which also reads what a locale's own form
// wrote earlier. Shared by the
// settings load and save and by the question at closing whether to keep a
// changed location.

#include "settings_values.h"

#include <QSettings>
#include <QStringList>

namespace settings {

// The longest place name read from the store, in characters: a longer one (a
// damaged or hostile store may hold megabytes) is cut there.
inline constexpr qsizetype kMaxStoredNameLength = 256;

// The stored location. The name is cut to kMaxStoredNameLength. An absent
// value takes the first-run location's value; a number that does not convert,
// or lies beyond its range (zone kEastmostZone..kWestmostZone hours), becomes
// 0 (a value far beyond the Earth's ranges would only feed nonsense to the
// astronomy), and StoredLocationNotices tells the user.
SiteLocation ReadStoredLocation(const QSettings& store);

// What ReadStoredLocation had to change, one sentence each, naming the
// store's file: a place name longer than kMaxStoredNameLength, and each number
// that could not be read or lies beyond its range. Empty when nothing was.
QStringList StoredLocationNotices(const QSettings& store, const QString& storePath);

// Writes City, TimeZone, Latitude and Longitude, in that order, then ZoneId,
// or removes ZoneId when the location has none.
void WriteStoredLocation(QSettings& store, const SiteLocation& location);

// False until a location has been written: the stored latitude reads as its
// never-written marker "100".
bool IsLocationStored(const QSettings& store);

} // namespace settings
