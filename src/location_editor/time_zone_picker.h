// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The place's clock chosen by hand: every zone of the system's time zone
// database, narrowed by typing any part of its name ("kathm", "new_york").

#include <QDialog>
#include <QString>

class QLineEdit;
class QListView;
class QSortFilterProxyModel;

namespace location_editor {

class TimeZonePicker : public QDialog {
public:
  // Starts on `current` when the database knows it.
  TimeZonePicker(QWidget* parent, const QString& current);

  // The zone chosen in the list; empty when none is.
  QString chosenZone() const;

  QLineEdit* filter() const { return filter_; }
  QListView* list() const { return list_; }

private:
  void Narrow(const QString& typed);

  QLineEdit* filter_ = nullptr;
  QListView* list_ = nullptr;
  QSortFilterProxyModel* shown_ = nullptr;
};

} // namespace location_editor
