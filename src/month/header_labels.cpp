// SPDX-License-Identifier: GPL-3.0-or-later
#include "header_labels.h"

namespace month {
namespace {

// The header shows "Twilight" over both twilight columns and "Rise" under
// both bodies; read alone, a column needs its whole name.
constexpr std::array<const char*, kColumnCount> kSpokenColumnNames = {
    "Date",     "Dawn twilight", "Sunrise", "Sun transit", "Sunset", "Dusk twilight",
    "Moonrise", "Moon transit",  "Moonset", "Moon illuminated"};

} // namespace

QString ColumnName(int column) { return QLatin1String(kSpokenColumnNames[static_cast<std::size_t>(column)]); }

} // namespace month
