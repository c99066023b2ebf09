// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The instant, in Universal Time, of the minute that the windows show for an
// event: a calendar entry must agree to the minute with the table beside it.

#include <QDate>
#include <QDateTime>

namespace calendar_file {

// localDate's time of day t (fraction of the local day) rounded to the minute
// as the month table and the phase list round it, in the clock whose zone is
// zoneHours (hours added to the clock to get UT, West positive), as UTC.
QDateTime UtcOfShownMinute(QDate localDate, double t, float zoneHours);

} // namespace calendar_file
