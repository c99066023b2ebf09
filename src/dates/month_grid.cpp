// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_grid.h"

#include <QDate>

namespace dates {

int FirstColumnOfMonth(int year, int month, bool sunStart) {
  // Qt counts Monday 1 .. Sunday 7; the calendar counts Sunday 1 .. Saturday 7.
  const int sundayFirst = QDate(year, month, 1).dayOfWeek() % 7 + 1;
  if (sunStart) return sundayFirst;
  return sundayFirst == 1 ? kGridColumns : sundayFirst - 1;
}

int CellOfDay(int day, int firstColumn) {
  const int k = day + firstColumn + 5;
  return 10 * (k / kGridColumns) + k % kGridColumns + 1;
}

int CellNumberAt(int index) { return 10 * (index / kGridColumns + 1) + index % kGridColumns + 1; }

MonthGridDays FillMonthGrid(int daysInMonth, int firstColumn) {
  MonthGridDays days{};
  for (int index = firstColumn - 1, day = 1; index < kGridCells && day <= daysInMonth; ++index, ++day) {
    days[static_cast<std::size_t>(index)] = day;
  }
  return days;
}

} // namespace dates
