// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two-row column header above the month table (SGH): painted labels in the
// main window's colours, each column as wide as the table's column below it.

#include "list_columns.h"

#include <QWidget>

namespace month_table_window {

class ListHeader : public QWidget {
public:
  explicit ListHeader(QWidget* parent);

  // Column widths and row height in pixels; resizes the header to two rows.
  void setColumns(const ColumnWidths& widths, int rowHeight);
  const ColumnWidths& columnWidths() const { return widths_; }
  int rowHeight() const { return rowHeight_; }
  // Where a label is drawn: mirrored in a right-to-left layout, as the
  // table's columns below are.
  QRect CellRect(int row, int column) const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  ColumnWidths widths_{};
  int rowHeight_ = 0;
};

} // namespace month_table_window
