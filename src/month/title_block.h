// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The four lines above the copied and printed table: title, place, coordinates
// and the clock and twilight in use.

#include "settings/settings_values.h"

#include <QString>
#include <QStringList>

namespace month {

// "42.97°N  85.6°W  5hrW": absolute values in the settings number format, the
// hemisphere letters (two blanks for latitude or longitude 0, none for zone 0).
QString CoordinatesLine(const settings::SiteLocation& location);

// "Standard Time  Astronomical Twilight": the time type name and the kind of
// twilight (0 astronomical, 1 nautical, other values civil).
QString TwilightLine(const QString& timeTypeName, int twilight);

// ListTitle, SiteName, CoordinatesLine and TwilightLine.
QStringList TitleBlock(const QString& listTitle, const QString& timeTypeName,
                       const settings::SiteLocation& location, int twilight);

} // namespace month
