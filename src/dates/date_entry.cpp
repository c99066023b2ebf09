// SPDX-License-Identifier: GPL-3.0-or-later
#include "date_entry.h"

#include <algorithm>

namespace dates {
namespace {

// The field's value limited to lowest..highest, or fallback when the text is
// no integer. A run of digits too long for an integer is above every limit.
int FieldValue(const QString& text, int fallback, int lowest, int highest) {
  const QString digits = text.trimmed();
  bool ok = false;
  const qlonglong value = digits.toLongLong(&ok);
  if (ok) return static_cast<int>(std::clamp<qlonglong>(value, lowest, highest));
  const bool allDigits = !digits.isEmpty() && std::all_of(digits.begin(), digits.end(), [](QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
  });
  return allDigits ? highest : fallback;
}

} // namespace

dates::ShownDate EnteredDate(const QString& year, const QString& month, const QString& day,
                                const dates::ShownDate& shown) {
  dates::ShownDate date;
  date.year = FieldValue(year, shown.year, 1, 9999);
  date.month = FieldValue(month, shown.month, 1, 12);
  date.day = std::min(FieldValue(day, shown.day, 1, 31), dates::DaysInMonth(date.month, date.year));
  return date;
}

} // namespace dates
