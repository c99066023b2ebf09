// SPDX-License-Identifier: GPL-3.0-or-later
#include "header_labels.h"

#include <QCoreApplication>

namespace month {
namespace {

// The header shows "Twilight" over both twilight columns and "Rise" under
// both bodies; read alone, a column needs its whole name.
constexpr std::array<const char*, kColumnCount> kSpokenColumnNames = {
    QT_TRANSLATE_NOOP("month", "Date"),          QT_TRANSLATE_NOOP("month", "Dawn twilight"),
    QT_TRANSLATE_NOOP("month", "Sunrise"),       QT_TRANSLATE_NOOP("month", "Sun transit"),
    QT_TRANSLATE_NOOP("month", "Sunset"),        QT_TRANSLATE_NOOP("month", "Dusk twilight"),
    QT_TRANSLATE_NOOP("month", "Moonrise"),      QT_TRANSLATE_NOOP("month", "Moon transit"),
    QT_TRANSLATE_NOOP("month", "Moonset"),       QT_TRANSLATE_NOOP("month", "Moon illuminated")};

} // namespace

QString HeaderLabel(const HeaderRow& row, int column) {
  const char* label = row[static_cast<std::size_t>(column)];
  return *label ? QCoreApplication::translate("month", label) : QString();
}

QString ColumnName(int column) {
  return QCoreApplication::translate("month", kSpokenColumnNames[static_cast<std::size_t>(column)]);
}

} // namespace month
