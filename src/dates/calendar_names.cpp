// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_names.h"

#include <QDate>
#include <QLocale>
#include <algorithm>

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

namespace {

using Labels = std::array<QString, 7>;

Labels Cut(const Labels& names, qsizetype length) {
  Labels cut;
  for (std::size_t n = 0; n < names.size(); ++n) cut[n] = names[n].left(length);
  return cut;
}

bool AllDifferent(const Labels& labels) {
  for (std::size_t a = 0; a < labels.size(); ++a)
    for (std::size_t b = a + 1; b < labels.size(); ++b)
      if (labels[a].isEmpty() || labels[a] == labels[b]) return false;
  return !labels.back().isEmpty();
}

} // namespace

std::array<QString, 7> DayLabels(bool sunStart, bool threeLetters) {
  const QLocale locale;
  Labels shortNames;
  Labels narrowNames;
  for (int n = 1; n <= 7; ++n) {
    const int day = DayOfColumn(n, sunStart);
    shortNames[static_cast<std::size_t>(n - 1)] = locale.dayName(day, QLocale::ShortFormat);
    narrowNames[static_cast<std::size_t>(n - 1)] = locale.standaloneDayName(day, QLocale::NarrowFormat);
  }
  const qsizetype wanted = threeLetters ? 3 : 1;
  const Labels cut = Cut(shortNames, wanted);
  // English calendars head their columns with the initials S M T W T F S and
  // tell Tuesday from Thursday by place; in other languages a cut that leaves
  // two columns alike (German "M D M D F S S", Chinese seven times "周") takes
  // the shortest form that tells all seven apart.
  if (locale.language() == QLocale::English || locale.language() == QLocale::C || AllDifferent(cut)) return cut;
  if (!threeLetters && AllDifferent(narrowNames)) return narrowNames;
  qsizetype longest = 0;
  for (const QString& name : shortNames) longest = std::max(longest, name.size());
  for (qsizetype length = wanted + 1; length < longest; ++length) {
    const Labels longer = Cut(shortNames, length);
    if (AllDifferent(longer)) return longer;
  }
  return shortNames;
}

QString ColumnDayName(int column, bool sunStart) { return QLocale().dayName(DayOfColumn(column, sunStart)); }

} // namespace dates
