// SPDX-License-Identifier: GPL-3.0-or-later
#include "city_list_view.h"

#include <QApplication>
#include <algorithm>

namespace location_editor {

const places::PlaceSearch& CityListView::Search(const QStringList& names) {
  if (!search_ || names != searchedNames_) {
    search_.emplace(places::ShippedPlaceSearch(names));
    searchedNames_ = names;
  }
  return *search_;
}

void CityListView::keyboardSearch(const QString& search) {
  if (!model() || search.isEmpty()) return;
  const bool fresh = !sinceTyped_.isValid() || sinceTyped_.elapsed() > QApplication::keyboardInputInterval();
  const bool again = fresh && search == typed_;
  typed_ = fresh ? search : typed_ + search;

  QStringList names;
  names.reserve(model()->rowCount(rootIndex()));
  for (int row = 0; row < model()->rowCount(rootIndex()); ++row)
    names.append(model()->index(row, modelColumn(), rootIndex()).data().toString());
  const std::vector<qsizetype> ranked = Search(names).Rank(typed_);
  // The interval runs from the letter handled: the first search of a list,
  // which folds its names, must not part the letters typed meanwhile.
  sinceTyped_.start();
  if (ranked.empty()) return;
  qsizetype found = ranked.front();
  if (again) { // the next place after the one chosen, going round the end
    const auto current = std::find(ranked.cbegin(), ranked.cend(), qsizetype{currentIndex().row()});
    if (current != ranked.cend()) found = std::next(current) == ranked.cend() ? ranked.front() : *std::next(current);
  }
  setCurrentIndex(model()->index(static_cast<int>(found), modelColumn(), rootIndex()));
}

} // namespace location_editor
