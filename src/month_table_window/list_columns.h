// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table window's column widths and heights, measured in the table
// font and the header font (ResizeGrids).

#include "month/month_table.h"
#include "ui_helpers/focus_ring_style.h"

#include <QFont>
#include <QString>
#include <array>

namespace month_table_window {

using ColumnWidths = std::array<int, month::kColumnCount>;

// Pixels between a cell's text and its right edge: room for the focus ring
// of the keyboard's cell and a pixel more, so that it covers no digit.
inline constexpr int kCellTextInset = ui_helpers::kFocusRingWidth + 1;

struct ListColumns {
  ColumnWidths cells{};   // pixels of text room per table column
  ColumnWidths header{};  // header columns: the cell plus the grid line's pixel
  int rowHeight = 0;      // table row, pixels of text room
  int headerRowHeight = 0;
  int windowWidth = 0;    // 55 + the header widths
};

struct ColumnInputs {
  QFont tableFont;
  QFont headerFont;
  QString sampleDate;    // the date column's width reference
  QString sampleTime;    // ListTime of 0.99 day in the clock form in force
  int dpi = 96;          // the screen's pixels per inch
  bool gridLines = false;
};

// The time columns are the sample time's width + 10 pixels, never under
// 44 pixels at 96 dpi (scaled for other screens); the date column the sample
// date's width + 5, the percent column the width of "100" + 10; none is
// narrower than its header labels. The date column has kCellTextInset more
// (the others' padding holds it).
ListColumns MeasureColumns(const ColumnInputs& in);

int Sum(const ColumnWidths& widths);

} // namespace month_table_window
