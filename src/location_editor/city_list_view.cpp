// SPDX-License-Identifier: GPL-3.0-or-later
#include "city_list_view.h"

#include "places/place_search.h"

#include <QApplication>

namespace location_editor {

void CityListView::keyboardSearch(const QString& search) {
  if (!model() || search.isEmpty()) return;
  const bool fresh = !sinceTyped_.isValid() || sinceTyped_.elapsed() > QApplication::keyboardInputInterval();
  typed_ = fresh ? search : typed_ + search;
  sinceTyped_.start();

  QStringList names;
  names.reserve(model()->rowCount(rootIndex()));
  for (int row = 0; row < model()->rowCount(rootIndex()); ++row)
    names.append(model()->index(row, modelColumn(), rootIndex()).data().toString());
  const int current = currentIndex().row();
  const qsizetype found = places::FindPlaceByTyping(names, typed_, fresh ? current + 1 : qMax(current, 0), places::FormerPlaceNames());
  if (found >= 0) setCurrentIndex(model()->index(static_cast<int>(found), modelColumn(), rootIndex()));
}

} // namespace location_editor
