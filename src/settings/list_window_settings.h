// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table window's values in the settings store: "Window/ListTop",
// "ListLeft", "ListHeight", "ListSaveDir"; "Flags/Group5", "Group7", "GridLines", "CMode";
// "Fonts/SName", "SSize", "SBold", "SItalic". Read when the window is created,
// written with the main window's settings.

#include "settings_values.h"

#include <QSettings>

namespace settings {

// Absent or unreadable values take their defaults, so do a copy mode outside
// 0..2, a font size outside the font dialog's 8..14 points and a blank font
// name. Of two groupings stored on, grouping by five wins: the window never
// groups both ways.
ListWindowSettings LoadListWindowSettings(const QSettings& store);

void SaveListWindowSettings(QSettings& store, const ListWindowSettings& settings);

// Writes only the values that differ from `loaded` (what the window read) or
// that the store lacks, so that another copy's changes stay.
void SaveChangedListWindowSettings(QSettings& store, const ListWindowSettings& loaded,
                                   const ListWindowSettings& current);

} // namespace settings
