// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_header.h"

#include "month/header_labels.h"

#include <QCoreApplication>
#include <QPainter>
#include <QStyle>
#include <QStringList>

namespace month_table_window {

ListHeader::ListHeader(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("SGH"));
  setEnabled(false); // takes no input
  setAutoFillBackground(true);
  // Painted, so named: the columns in order, each with its body.
  QStringList names;
  for (int column = 0; column < month::kColumnCount; ++column) names << month::ColumnName(column);
  setAccessibleName(QCoreApplication::translate("month_table_window", "Columns: %1").arg(names.join(QStringLiteral(", "))));
}

void ListHeader::setColumns(const ColumnWidths& widths, int rowHeight) {
  widths_ = widths;
  rowHeight_ = rowHeight;
  setFixedHeight(2 * rowHeight);
  update();
}

QRect ListHeader::CellRect(int row, int column) const {
  int left = 0;
  for (int before = 0; before < column; ++before) left += widths_[static_cast<std::size_t>(before)];
  const QRect cell(left, row * rowHeight_, widths_[static_cast<std::size_t>(column)], rowHeight_);
  return QStyle::visualRect(layoutDirection(), rect(), cell);
}

void ListHeader::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.setFont(font());
  // Disabled, yet drawn in the window's text colour.
  painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
  const QFontMetrics metrics = painter.fontMetrics();
  const month::HeaderRow* rows[] = {&month::kBodyLabels, &month::kColumnLabels};
  for (int row = 0; row < 2; ++row) {
    for (int column = 0; column < month::kColumnCount; ++column) {
      const QRect cell = CellRect(row, column);
      const char* const label = (*rows[row])[static_cast<std::size_t>(column)];
      const QString text = month::HeaderLabel(*rows[row], column);
      painter.setClipRect(cell);
      if (QLatin1String(label) == QLatin1String("|")) {
        painter.drawText(cell.left(), cell.top() + metrics.ascent(), QStringLiteral(" |"));
      } else {
        const int textLeft = (cell.left() + cell.right() + 1 - metrics.horizontalAdvance(text)) / 2;
        painter.drawText(textLeft, cell.top() + metrics.ascent(), text);
      }
    }
  }
}

} // namespace month_table_window
