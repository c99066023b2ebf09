// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where the days of a month stand in the calendar's grid of 6 rows by 7
// columns. Cells are numbered 10 R + C for row R = 1..6 and column C = 1..7
// (11 top left, 67 bottom right).

#include <array>

namespace dates {

inline constexpr int kGridRows = 6;
inline constexpr int kGridColumns = 7;
inline constexpr int kGridCells = kGridRows * kGridColumns;

// Grid column (1..7) of the first day of a month: column 1 is Sunday with
// sunStart and Monday without.
int FirstColumnOfMonth(int year, int month, bool sunStart);

// Cell number (11..67) of a day of the month whose first day stands in
// column firstColumn: day 1 in column 1 is cell 11, day 8 cell 21.
int CellOfDay(int day, int firstColumn);

// Cell number of the cell at a position of MonthGridDays (0..41, row by row).
int CellNumberAt(int index);

// The day number each cell shows, row by row from cell 11; 0 for a hidden
// cell (before the first day or after the last).
using MonthGridDays = std::array<int, kGridCells>;
MonthGridDays FillMonthGrid(int daysInMonth, int firstColumn);

} // namespace dates
