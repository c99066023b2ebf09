// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A year table as data: comma-separated rows for a spreadsheet and JSON.

#include "year_text.h"

#include <QString>
#include <QStringList>

namespace year {

// One row per day: the ISO date, then the two times as the month table writes
// them in the context's clock; a missing event leaves its field empty.
QStringList YearCsvLines(const YearTable& table, const YearContext& context);

// The heading's facts and, per day, the two times (null when missing) with
// the reason of each missing one: "above", "below" or "none".
QString YearJson(const YearTable& table, const YearContext& context);

} // namespace year
