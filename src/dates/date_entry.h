// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The date typed into the date panel: a year, a month and a day as the user
// left them in three text fields.

#include "calendar_dates.h"

#include <QString>

namespace dates {

// The date the three texts stand for. Each is read as a decimal integer and
// limited to its range (year 1..9999, month 1..12, day 1..31); an empty or
// unreadable text takes the part of the shown date instead. The day is then
// cut to the length of the month: April 31 gives April 30. The panel never
// reports an error.
dates::ShownDate EnteredDate(const QString& year, const QString& month, const QString& day,
                                const dates::ShownDate& shown);

} // namespace dates
