// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colour dialog's "Basic colors" and "Custom colors" wells for assistive
// technology. Qt reads each as a childless filler; here each is a table whose
// cells are named by their colours, the one the arrow keys are on told as
// focused. The wells are found as the dialog makes them: the basic colours
// (six rows of eight) first, then the custom ones (two rows of eight).

#include "ui_helpers/unselectable_table.h"

#include <QAccessibleWidget>
#include <map>

namespace colours {

class ColourWellAccessible : public QAccessibleWidget, public UnselectableTableInterface {
public:
  ColourWellAccessible(QWidget* well, bool custom);
  ~ColourWellAccessible() override;
  void* interface_cast(QAccessible::InterfaceType type) override;
  int childCount() const override { return rowCount() * columnCount(); }
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 0; }
  QList<QAccessibleInterface*> selectedCells() const override { return {}; }
  QString columnDescription(int) const override { return {}; }
  int columnCount() const override { return 8; }
  int rowCount() const override { return custom_ ? 2 : 6; }

  // The colour of a cell, counted down the columns as the dialog keeps them.
  QColor colourAt(int row, int column) const;

private:
  bool custom_;
  mutable std::map<int, QAccessible::Id> cells_;
};

// Follows a well's current cell, the one the arrow keys move, and tells it as
// focused.
class ColourWellFollower : public QObject {
  Q_OBJECT
public:
  explicit ColourWellFollower(QWidget* well);
  int row() const { return row_; }
  int column() const { return column_; }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private slots:
  void Follow(int row, int column);

private:
  QWidget* well_;
  int row_ = 0, column_ = 0;
};

// Reads the wells of every colour dialog made after this call so.
void InstallColourWellReading();

} // namespace colours
