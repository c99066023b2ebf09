// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table as a Qt model: a thin read-only view over the core's rows,
// right-aligned and top-aligned in every column.

#include "month/month_table.h"

#include <QAbstractTableModel>
#include <QStyledItemDelegate>

namespace month_table_window {

class MonthTableModel : public QAbstractTableModel {
public:
  using QAbstractTableModel::QAbstractTableModel;

  void setTable(month::MonthTable table);
  const month::MonthTable& table() const { return table_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  // The shown texts, and the spoken ones as the accessible text.
  QVariant data(const QModelIndex& index, int role) const override;
  // The column names and the rows' days, for assistive technology (the view
  // shows its own header).
  QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
  month::MonthTable table_;
};

// Draws a cell's text against the cell's right edge (but for the focus ring's
// room, kCellTextInset) and top, with no selection mark, over the view's base
// colour; the focused cell gets a box.
class FlushRightDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};

} // namespace month_table_window
