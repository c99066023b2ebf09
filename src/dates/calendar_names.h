// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The texts of the calendar's captions, in the default locale's language.

#include <QString>
#include <array>

namespace dates {

// The locale's long name of a month (1..12) standing alone, without a day, as
// the month caption and the month table's title show it.
QString MonthName(int month);

// The seven weekday headers from the left column on: Sunday first with
// sunStart, Monday first without; the locale's short weekday names cut to
// three characters with threeLetters (the LD setting), else to one. Outside
// English, headers that such a cut leaves alike are made longer (or the
// locale's narrow names are taken) until the seven differ.
std::array<QString, 7> DayLabels(bool sunStart, bool threeLetters);

// The full name of the weekday in a grid column 1..7, as the column header
// is read out ("Sunday").
QString ColumnDayName(int column, bool sunStart);

} // namespace dates
