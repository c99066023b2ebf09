// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_list.h"

#include "location_record.h"

#include <QCollator>
#include <QLocale>
#include <algorithm>

namespace places {
namespace {

// The locale whose order the list takes: the default one, but where that is
// the C locale (LANG=C.UTF-8 and the like), which orders by code point and
// puts "Álftanes" after "Zyryanka", English, which keeps Unicode's common
// order: letters with accents beside their base letters.
QLocale CollationLocale(const QLocale& locale) {
  return locale.language() == QLocale::C ? QLocale(QLocale::English, QLocale::UnitedStates) : locale;
}

// The comparison of whole lines, case-insensitive in the default locale. One
// collator serves every comparison until the default locale changes: making
// one costs far more than a comparison.
const QCollator& LineCollator() {
  thread_local QLocale locale;
  thread_local QCollator collator = [] {
    QCollator made{CollationLocale(locale)};
    made.setCaseSensitivity(Qt::CaseInsensitive);
    return made;
  }();
  if (QLocale() != locale) {
    locale = QLocale();
    collator.setLocale(CollationLocale(locale));
  }
  return collator;
}

} // namespace

LocationList::LocationList(QStringList records) : records_(std::move(records)) {
  const QCollator& collator = LineCollator();
  std::stable_sort(records_.begin(), records_.end(),
                   [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; });
}

QStringList LocationList::Names() const {
  QStringList names;
  names.reserve(records_.size());
  for (const QString& record : records_) names.append(LocationRecordName(record));
  return names;
}

bool LocationList::Add(const QString& record) {
  const QCollator& collator = LineCollator();
  const auto place = std::lower_bound(records_.begin(), records_.end(), record, [&collator](const QString& a, const QString& b) {
    return collator.compare(a, b) < 0;
  });
  if (place != records_.end() && collator.compare(*place, record) == 0) return false;
  records_.insert(place, record);
  return true;
}

bool LocationList::RemoveAt(qsizetype index) {
  if (index < 0 || index >= records_.size()) return false;
  records_.removeAt(index);
  return true;
}

LocationList MergeLocationLists(const LocationList& base, const LocationList& ours, const LocationList& theirs) {
  LocationList merged = theirs;
  for (const QString& record : base.Records()) {
    if (!ours.Records().contains(record)) merged.RemoveAt(merged.Records().indexOf(record));
  }
  for (const QString& record : ours.Records()) {
    if (!base.Records().contains(record)) merged.Add(record);
  }
  return merged;
}

} // namespace places
