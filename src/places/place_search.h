// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Finding the place a user means by the name they type: letter case, accents
// and punctuation aside ("zurich" finds "Zürich, Switzerland", "st
// petersburg" finds "Saint Petersburg, Russia"), by its other names ("cochin"
// finds "Kochi, India", "munich" or "munchen" the city of either name), best
// match first. The location editor's list and vesperon-cli rank alike.

#include "former_place_names.h"
#include "place_details.h"

#include <QMultiHash>
#include <QStringList>
#include <vector>

namespace places {

// The text as the search compares it: without accents, case-folded, letters
// that have no accent to drop spelt out in plain Latin ("ł" is "l", "ß" is
// "ss"), apostrophes and full stops dropped, other punctuation a blank, blanks
// single, and the abbreviations "St", "Ste" and "Mt" before more words spelt
// out ("St. Petersburg" is "saint petersburg").
QString SearchKey(const QString& text);

// A name as the search compares it: its key, and the key of its part before
// the first comma (its town), empty when it has none.
struct FoldedName {
  QString whole;
  QString town;
};
FoldedName FoldName(const QString& name);

// Other names folded once, by listed name.
using FoldedOtherNames = QMultiHash<QString, FoldedName>;
FoldedOtherNames FoldOtherNames(const OtherPlaceNames& otherNames);

// The places of a list, ready to be searched again and again.
class PlaceSearch {
public:
  // names: the list's names, entry i for place i; otherNames: other names of
  // listed places; details: populations, by listed name (a place not in it
  // counts as none).
  PlaceSearch(const QStringList& names, const FoldedOtherNames& otherNames, const PlaceDetailsByName& details);
  PlaceSearch(const QStringList& names, const OtherPlaceNames& otherNames, const PlaceDetailsByName& details)
      : PlaceSearch(names, FoldOtherNames(otherNames), details) {}

  // The places whose name or one of whose other names the typed text is,
  // begins with or, failing both, has a word beginning with, best first: an
  // exact name (the whole name, or its town without the country) before a
  // beginning, a beginning of the listed name before one of another name, and
  // among equals the bigger place, then the list's order. Empty when the typed
  // text holds no letter or digit.
  std::vector<qsizetype> Rank(const QString& typed) const;

private:
  struct Key {
    FoldedName name;
    qsizetype place;
  };
  std::vector<Key> names_;
  std::vector<Key> otherNames_;
  std::vector<qint64> populations_;
};

// The search over the shipped other names (folded once) and populations.
PlaceSearch ShippedPlaceSearch(const QStringList& names);

// The place the search ranks first; -1 when none matches.
qsizetype BestPlace(const QStringList& names, const QString& typed);

} // namespace places
