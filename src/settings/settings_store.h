// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Loading and saving the main window's settings. The production store is an
// INI file in the user's configuration folder; tests hand in a temporary file.
// Each load or save reads the store afresh (see StoreSnapshot and
// SaveSettingsStore).

#include "settings_values.h"

#include <QSettings>
#include <QString>

namespace settings {

// The user's store, where QSettings keeps the INI file of organisation
// "Vesperon Software", application "Vesperon".
QString SettingsStorePath();

// Reads every value; absent or unreadable ones take their defaults, and so do
// integers outside their range (a twilight kind of 7 would index nothing).
// With Automode on, TimeType becomes daylight time (1) when daylightSavingNow,
// else standard time (0), whatever was stored. The caller passes
// QDateTime::currentDateTime().isDaylightTime().
// A value that is not stored takes its value in `defaults`.
Settings LoadSettings(const QSettings& store, bool daylightSavingNow, const Settings& defaults = Settings{});

// Writes the window position, colours, flags (except NH, which the closing
// question writes), the program file's path under "General/Path" (when an
// application object exists) and the custom colours. The location is written
// only when none was ever stored; later it changes only through the closing
// question. The caller puts the clock format through TFormatToStore first.
void SaveSettings(QSettings& store, const Settings& settings);

// SaveSettings for a store another copy of the program may have saved to
// since this one read it: writes only the values that differ from `loaded`
// (what this session read or last saved) or that the store lacks, so that
// the other copy's changes stay.
void SaveChangedSettings(QSettings& store, const Settings& loaded, const Settings& current);

// The clock format to store. Show Seconds forces the 24-hour clock while it is
// on; the format chosen before it is the one to keep.
int TFormatToStore(int tFormat, bool showSeconds, int tFormatBeforeSeconds);

} // namespace settings
