// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two rows of column labels over the month table, shared by the window's
// header and the formatted print.

#include "month_table.h"

#include <QString>
#include <array>

namespace month {

using HeaderRow = std::array<const char*, kColumnCount>;

// Row 0 names the bodies; "|" marks where the Moon's columns begin.
inline constexpr HeaderRow kBodyLabels = {"", "", "", "Sun", "", "", "|", "Moon", "", ""};
// Row 1 names the columns; the leading blanks belong to the labels.
inline constexpr HeaderRow kColumnLabels = {" Date", "Twilight", "  Rise", "Transit", "  Set",
                                            "Twilight", "  Rise", "Transit", "  Set", "  %"};

inline constexpr int kSunColumn = 3;  // "Sun" stands over the Sun's transit
inline constexpr int kMoonColumn = 7; // "Moon" over the Moon's transit

// A column's name as read out, telling apart the two twilight columns:
// "Date", "Dawn twilight", "Sunrise", ..., "Moon illuminated".
QString ColumnName(int column);

} // namespace month
