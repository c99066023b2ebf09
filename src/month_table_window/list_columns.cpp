// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_columns.h"

#include "month/header_labels.h"

#include <QFontMetrics>
#include <algorithm>
#include <cmath>
#include <numeric>

namespace month_table_window {
namespace {

constexpr int kMinimumTimeColumn96 = 44; // pixels at 96 dpi
constexpr int kTimePadding = 10;
constexpr int kDatePadding = 5;
constexpr int kPercentPadding = 10;
constexpr int kHeaderRowPadding = 4;
constexpr int kWindowWidthBeyondColumns = 55; // frame panels, header indent, scroll bar

} // namespace

ListColumns MeasureColumns(const ColumnInputs& in) {
  const QFontMetrics table(in.tableFont);
  const int minimumTime = in.dpi == 96 ? kMinimumTimeColumn96
                                       : static_cast<int>(std::lround(kMinimumTimeColumn96 * in.dpi / 96.0));
  const int timeColumn = std::max(table.horizontalAdvance(in.sampleTime) + kTimePadding, minimumTime);

  ListColumns c;
  c.cells.fill(timeColumn);
  c.cells.front() = table.horizontalAdvance(in.sampleDate) + kDatePadding + kCellTextInset;
  c.cells.back() = table.horizontalAdvance(QStringLiteral("100")) + kPercentPadding;
  c.rowHeight = table.height();
  // A column is never narrower than its labels in the header font ("Twilight"
  // over a 24-hour time).
  const QFontMetrics header(in.headerFont);
  for (std::size_t column = 0; column < c.cells.size(); ++column) {
    for (const month::HeaderRow* row : {&month::kBodyLabels, &month::kColumnLabels}) {
      c.cells[column] = std::max(c.cells[column], header.horizontalAdvance(month::HeaderLabel(*row, static_cast<int>(column))));
    }
  }

  const int gridLine = in.gridLines ? 1 : 0;
  std::transform(c.cells.begin(), c.cells.end(), c.header.begin(), [gridLine](int w) { return w + gridLine; });
  c.windowWidth = kWindowWidthBeyondColumns + Sum(c.header);
  c.headerRowHeight = QFontMetrics(in.headerFont).height() + kHeaderRowPadding;
  return c;
}

int Sum(const ColumnWidths& widths) { return std::accumulate(widths.begin(), widths.end(), 0); }

} // namespace month_table_window
