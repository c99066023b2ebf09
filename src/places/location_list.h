// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The location list in memory: the location file's record lines without its
// two header lines, kept in ascending order by the whole line, compared
// case-insensitively in the default locale. Since the name field comes first
// and has a fixed width, this orders by name: "berlin" before "Boston".

#include <QStringList>

namespace places {

class LocationList {
public:
  LocationList() = default;

  // The records sorted; equal lines among them all stay.
  explicit LocationList(QStringList records);

  const QStringList& Records() const { return records_; }
  qsizetype Size() const { return records_.size(); }
  bool IsEmpty() const { return records_.isEmpty(); }

  // The names of the city choice: entry i is the name of record i.
  QStringList Names() const;

  // Inserts the record in its place. Adds nothing and returns false when a
  // line equal to it, ignoring letter case, is already there.
  bool Add(const QString& record);

  // Removes record i; false when there is none.
  bool RemoveAt(qsizetype index);

  bool operator==(const LocationList&) const = default;

private:
  friend LocationList MergeLocationLists(const LocationList&, const LocationList&, const LocationList&);

  QStringList records_;
};

// The list to save when the file may have changed since it was read (another
// copy of the program saved to it): what is in the file now (`theirs`), less
// the records this session removed from the list as read (`base`), plus those
// it added. Records are compared as whole lines; an added record equal to one
// there, ignoring letter case, is left out. Time linear in the lists' lengths
// but for the sort of the added records.
LocationList MergeLocationLists(const LocationList& base, const LocationList& ours, const LocationList& theirs);

} // namespace places
