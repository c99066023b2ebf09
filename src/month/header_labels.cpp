// SPDX-License-Identifier: GPL-3.0-or-later
#include "header_labels.h"

namespace monthtable {

QString ColumnName(int column) {
  const QString label = QString::fromLatin1(kColumnLabels[static_cast<std::size_t>(column)]).trimmed();
  if (column == 0) return label;
  // The Moon's columns start at the "|" marker of the body row.
  int moonFirst = 0;
  while (QLatin1String(kBodyLabels[static_cast<std::size_t>(moonFirst)]) != QLatin1String("|")) ++moonFirst;
  const char* body = kBodyLabels[column < moonFirst ? kSunColumn : kMoonColumn];
  return QLatin1String(body) + QLatin1Char(' ') + label;
}

} // namespace monthtable
