// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list of the city choice, closed or open: typing a place's name chooses
// the place the search ranks first (places/place_search.h): letter case,
// accents and punctuation aside ("zurich" finds "Zürich, Switzerland"), by
// its other names too ("cochin" finds "Kochi, India"), the bigger of two
// namesakes first. Letters typed within the keyboard input interval add up;
// the same text typed again after a pause moves on to the next place it finds.

#include "places/place_search.h"

#include <QElapsedTimer>
#include <QListView>
#include <optional>

namespace location_editor {

class CityListView : public QListView {
  Q_OBJECT
public:
  explicit CityListView(QWidget* parent) : QListView(parent) {}

  void keyboardSearch(const QString& search) override;

private:
  // The search over the model's names, made again when they change.
  const places::PlaceSearch& Search(const QStringList& names);

  QString typed_;
  QElapsedTimer sinceTyped_;
  QStringList searchedNames_;
  std::optional<places::PlaceSearch> search_;
};

} // namespace location_editor
