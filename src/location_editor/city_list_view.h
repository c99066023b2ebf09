// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list of the city choice, closed or open: typing the first letters of a
// place chooses it, letter case and accents aside ("zurich" finds "Zürich,
// Switzerland"), and so does typing its former name ("cochin" finds "Kochi,
// India"). Letters typed within the keyboard input interval add up; a
// new first letter moves on to the next place with it.

#include <QElapsedTimer>
#include <QListView>

namespace location_editor {

class CityListView : public QListView {
  Q_OBJECT
public:
  explicit CityListView(QWidget* parent) : QListView(parent) {}

  void keyboardSearch(const QString& search) override;

private:
  QString typed_;
  QElapsedTimer sinceTyped_;
};

} // namespace location_editor
