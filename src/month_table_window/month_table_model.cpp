// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_table_model.h"

#include "header_labels.h"

#include <QPainter>

namespace monthtable {

void MonthTableModel::setTable(MonthTable table) {
  beginResetModel();
  table_ = std::move(table);
  endResetModel();
}

int MonthTableModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(table_.rows.size());
}

int MonthTableModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : kColumnCount; }

QVariant MonthTableModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid()) return {};
  if (role == Qt::DisplayRole) {
    return table_.rows[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
  }
  if (role == Qt::TextAlignmentRole) return QVariant::fromValue(Qt::AlignRight | Qt::AlignTop);
  return {};
}

QVariant MonthTableModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0 && section < kColumnCount)
    return ColumnName(section);
  return QAbstractTableModel::headerData(section, orientation, role);
}

Qt::ItemFlags MonthTableModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled : Qt::NoItemFlags;
}

void FlushRightDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const {
  painter->save();
  painter->fillRect(option.rect, option.palette.base());
  painter->setFont(option.font);
  painter->setPen(option.palette.color(QPalette::Text));
  painter->setClipRect(option.rect);
  painter->drawText(option.rect, Qt::AlignRight | Qt::AlignTop, index.data(Qt::DisplayRole).toString());
  painter->restore();
}

} // namespace monthtable
