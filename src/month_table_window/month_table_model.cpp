// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_table_model.h"

#include "list_columns.h"
#include "month/header_labels.h"
#include "ui_helpers/focus_ring_style.h"

#include <QPainter>
#include <QPen>

namespace month_table_window {

void MonthTableModel::setTable(month::MonthTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int MonthTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int MonthTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : month::kColumnCount; }

QVariant MonthTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  const auto row = static_cast<std::size_t>(index.row());
  const auto column = static_cast<std::size_t>(index.column());
  if (role == Qt::DisplayRole) return table_.rows[row][column];
  if (role == Qt::AccessibleTextRole) return table_.spoken[row][column];
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignTop);
  return {};
}

QVariant MonthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < month::kColumnCount)
    return month::ColumnName(section);
  // A row's header is its day, read out: grouping puts blank rows in between.
  if (orientation == Qt::Vertical && role == Qt::DisplayRole && section >= 0 && section < rowCount())
    return table_.spoken[static_cast<std::size_t>(section)][0];
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags MonthTableModel::flags(const QModelIndex& index) const {
  // Selectable so that the keyboard's cell is the selected one.
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable : Qt::NoItemFlags;
}

void FlushRightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  painter->fillRect(option.rect, option.palette.base());
  painter->setFont(option.font);
  painter->setPen(option.palette.color(QPalette::Text));
  painter->setClipRect(option.rect);
  painter->drawText(option.rect.adjusted(0, 0, -kCellTextInset, 0), Qt::AlignRight | Qt::AlignTop,
                    index.data(Qt::DisplayRole).toString());
  // The keyboard's cell, while the table has the focus: the focus ring.
  if (option.state.testFlag(QStyle::State_HasFocus)) {
    const QColor base = option.palette.color(QPalette::Base);
    const int w = ui_helpers::kFocusRingWidth;
    painter->setPen(QPen(ui_helpers::FocusRingColour(base, base), w, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    painter->setBrush(Qt::NoBrush);
    painter->drawRect(QRectF(option.rect).adjusted(w / 2.0, w / 2.0, -w / 2.0, -w / 2.0));
  }
  painter->restore();
}

} // namespace month_table_window
