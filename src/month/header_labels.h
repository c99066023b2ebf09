// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two rows of column labels over the month table, shared by the window's
// header and the formatted print.

#include "month_table.h"

#include <QString>
#include <QtGlobal>
#include <array>

namespace month {

using HeaderRow = std::array<const char*, kColumnCount>;

// Row 0 names the bodies; "|" marks where the Moon's columns begin.
inline constexpr HeaderRow kBodyLabels = {
    "", "", "", QT_TRANSLATE_NOOP("month", "Sun"), "", "", "|", QT_TRANSLATE_NOOP("month", "Moon"), "", ""};
// Row 1 names the columns; the leading blanks belong to the labels.
inline constexpr HeaderRow kColumnLabels = {
    QT_TRANSLATE_NOOP("month", " Date"),    QT_TRANSLATE_NOOP("month", "Twilight"),
    QT_TRANSLATE_NOOP("month", "  Rise"),   QT_TRANSLATE_NOOP("month", "Transit"),
    QT_TRANSLATE_NOOP("month", "  Set"),    QT_TRANSLATE_NOOP("month", "Twilight"),
    QT_TRANSLATE_NOOP("month", "  Rise"),   QT_TRANSLATE_NOOP("month", "Transit"),
    QT_TRANSLATE_NOOP("month", "  Set"),    "  %"};

// A label of one of the rows above as shown, in the user's language ("|" and
// the empty labels as they are).
QString HeaderLabel(const HeaderRow& row, int column);

inline constexpr int kSunColumn = 3;  // "Sun" stands over the Sun's transit
inline constexpr int kMoonColumn = 7; // "Moon" over the Moon's transit

// A column's name as read out, telling apart the two twilight columns:
// "Date", "Dawn twilight", "Sunrise", ..., "Moon illuminated".
QString ColumnName(int column);

} // namespace month
