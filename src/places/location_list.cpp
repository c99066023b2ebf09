// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_list.h"

#include "location_record.h"

#include <QCollator>
#include <QHash>
#include <QSet>
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
  const auto less = [&collator](const QString& a, const QString& b) { return collator.compare(a, b) < 0; };
  // A file read back is sorted already: one pass tells it.
  if (!std::is_sorted(records_.begin(), records_.end(), less)) std::stable_sort(records_.begin(), records_.end(), less);
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
  // Hashes of whole lines, so that a list of a hundred thousand places merges
  // in one pass over each list, not in a search of one list for each record.
  const QSet<QString> ourRecords(ours.records_.cbegin(), ours.records_.cend());
  const QSet<QString> baseRecords(base.records_.cbegin(), base.records_.cend());
  QHash<QString, int> removed; // a line -> how many of its copies this session removed
  for (const QString& record : base.records_) {
    if (!ourRecords.contains(record)) ++removed[record];
  }
  QStringList added;
  for (const QString& record : ours.records_) {
    if (!baseRecords.contains(record)) added.append(record);
  }

  QStringList kept;
  kept.reserve(theirs.Size() + added.size());
  for (const QString& record : theirs.records_) {
    const auto gone = removed.find(record);
    if (gone != removed.end() && *gone > 0) --*gone;
    else kept.append(record);
  }
  // Both sorted: one pass puts each added record in its place, leaving out one
  // equal, ignoring letter case, to a record already there (as Add does).
  const QCollator& collator = LineCollator();
  LocationList merged;
  QStringList& out = merged.records_;
  out.reserve(kept.size() + added.size());
  const QStringList sortedAdded = LocationList(added).records_;
  auto next = kept.cbegin();
  for (const QString& record : sortedAdded) {
    while (next != kept.cend() && collator.compare(*next, record) < 0) out.append(*next++);
    const bool present = (next != kept.cend() && collator.compare(*next, record) == 0) ||
                         (!out.isEmpty() && collator.compare(out.last(), record) == 0);
    if (!present) out.append(record);
  }
  while (next != kept.cend()) out.append(*next++);
  return merged;
}

} // namespace places
