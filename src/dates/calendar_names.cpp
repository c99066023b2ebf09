// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_names.h"

#include <QDate>
#include <QLocale>

namespace dates {

QString MonthName(int month) {
  // The nominative form: many languages decline a month's name inside a date
  // ("1 marca"), but name it alone as "marzec".
  return QLocale().standaloneMonthName(month, QLocale::LongFormat);
}

namespace {

// The weekday (1 Monday .. 7 Sunday) of a grid column 1..7.
int DayOfColumn(int column, bool sunStart) {
  // The day before the first column: 2000-01-01 is a Saturday, 2000-01-02 a Sunday.
  const QDate base = sunStart ? QDate(2000, 1, 1) : QDate(2000, 1, 2);
  return base.addDays(column).dayOfWeek();
}

} // namespace

std::array<QString, 7> DayLabels(bool sunStart, bool threeLetters) {
  const QLocale locale;
  std::array<QString, 7> labels;
  for (int n = 1; n <= 7; ++n) {
    const QString name = locale.dayName(DayOfColumn(n, sunStart), QLocale::ShortFormat);
    labels[static_cast<std::size_t>(n - 1)] = name.left(threeLetters ? 3 : 1);
  }
  return labels;
}

QString ColumnDayName(int column, bool sunStart) { return QLocale().dayName(DayOfColumn(column, sunStart)); }

} // namespace dates
