// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_print.h"

#include "month/header_labels.h"
#include "ui_helpers/list_fonts.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace month_table_window {
namespace {

constexpr double kMarginOfPageHeight = 2.0 / 23.0;
constexpr int kTitlePoints = 12;
constexpr int kTablePoints = 10;
constexpr int kRuleWidth = 2; // device pixels
const QString kHeightSample = QStringLiteral("Moon");

// The right edges of the ten columns and the table's left edge and width.
struct PageColumns {
  std::array<int, month::kColumnCount> right{};
  std::array<int, month::kColumnCount> width{};
  int left = 0;
  int total = 0;
};

QString LastDate(const month::MonthTable& table) {
  for (auto row = table.rows.rbegin(); row != table.rows.rend(); ++row) {
    if (!month::IsSeparatorRow(*row)) return (*row)[0];
  }
  return {};
}

// The gap between time columns that keeps the labels over them (bold) apart:
// half a time's width, or more where two neighbouring labels, centred over
// their columns, would otherwise touch.
int TimeColumnGap(int time, const QFontMetrics& bold) {
  int gap = time / 2;
  for (const month::HeaderRow* row : {&month::kBodyLabels, &month::kColumnLabels}) {
    for (int column = 1; column + 1 < month::kColumnCount - 1; ++column) {
      const int halves = (bold.horizontalAdvance(month::HeaderLabel(*row, column)) +
                          bold.horizontalAdvance(month::HeaderLabel(*row, column + 1)) + 1) / 2;
      if (halves > time + gap) gap = halves - time + bold.horizontalAdvance(QLatin1Char(' '));
    }
  }
  return gap;
}

PageColumns MeasurePage(const QFontMetrics& regular, const QFontMetrics& bold, const PrettyPrintInputs& in,
                        int pageWidth) {
  PageColumns c;
  const int time = regular.horizontalAdvance(in.sampleTime);
  const int gap = TimeColumnGap(time, bold);
  c.width.fill(time);
  c.width.front() = regular.horizontalAdvance(LastDate(in.table));
  c.width.back() = regular.horizontalAdvance(QStringLiteral("100"));
  c.total = c.width.front() + 8 * time + c.width.back() + 9 * gap;
  c.left = (pageWidth - c.total) / 2;
  c.right.front() = c.left + c.width.front();
  for (int i = 1; i < month::kColumnCount - 1; ++i) c.right[static_cast<std::size_t>(i)] = c.right[static_cast<std::size_t>(i - 1)] + time + gap;
  c.right.back() = c.left + c.total;
  return c;
}

// Text drawn with its top at y.
void DrawAt(QPainter& painter, int x, int y, const QString& text) {
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

void DrawCentredOnPage(QPainter& painter, int pageWidth, int y, const QString& text) {
  DrawAt(painter, (pageWidth - painter.fontMetrics().horizontalAdvance(text)) / 2, y, text);
}

void DrawCentredOverColumn(QPainter& painter, const PageColumns& c, int column, int y, const QString& text) {
  const auto i = static_cast<std::size_t>(column);
  DrawAt(painter, c.right[i] - (painter.fontMetrics().horizontalAdvance(text) + c.width[i]) / 2, y, text);
}

} // namespace

void PrettyPrint(QPainter& painter, QPrinter& printer, const PrettyPrintInputs& in) {
  const int pageWidth = printer.width();
  const int margin = static_cast<int>(std::lround(printer.height() * kMarginOfPageHeight));
  const int bottom = printer.height() - margin;
  painter.setPen(Qt::black);

  QFont font = ui_helpers::FaceFont(in.faceName, kTitlePoints, true);
  painter.setFont(font);
  int y = margin;
  DrawCentredOnPage(painter, pageWidth, y, in.titleBlock.value(0));
  y += painter.fontMetrics().height();

  font.setPointSize(kTablePoints);
  painter.setFont(font);
  int h = painter.fontMetrics().height();
  for (int line = 1; line < in.titleBlock.size(); ++line) {
    DrawCentredOnPage(painter, pageWidth, y, in.titleBlock[line]);
    y += h;
  }

  font.setBold(false);
  painter.setFont(font);
  const QFontMetrics regular = painter.fontMetrics();
  font.setBold(true);
  painter.setFont(font);
  const PageColumns columns = MeasurePage(regular, painter.fontMetrics(), in, pageWidth);
  y += 2 * h;
  DrawCentredOverColumn(painter, columns, month::kSunColumn, y, month::HeaderLabel(month::kBodyLabels, month::kSunColumn));
  DrawCentredOverColumn(painter, columns, month::kMoonColumn, y, month::HeaderLabel(month::kBodyLabels, month::kMoonColumn));
  y += h;
  for (int column = 0; column < month::kColumnCount; ++column) {
    DrawCentredOverColumn(painter, columns, column, y, month::HeaderLabel(month::kColumnLabels, column));
  }
  y += h;
  painter.setPen(QPen(Qt::black, kRuleWidth));
  painter.drawLine(columns.left, y, columns.left + columns.total, y);

  font.setBold(false);
  painter.setFont(font);
  h = painter.fontMetrics().height();
  y -= h / 2;
  const std::size_t rowCount = in.table.rows.size();
  for (std::size_t r = 0; r < rowCount; ++r) {
    const month::TableRow& row = in.table.rows[r];
    y += h;
    for (int column = 0; column < month::kColumnCount; ++column) {
      const QString& text = row[static_cast<std::size_t>(column)];
      DrawAt(painter, columns.right[static_cast<std::size_t>(column)] - painter.fontMetrics().horizontalAdvance(text), y, text);
    }
    // No empty page after the last row.
    if (y > bottom && r + 1 < rowCount) {
      printer.newPage();
      y = margin;
    }
  }
}

void QuickPrint(QPainter& painter, QPrinter& printer, const QStringList& lines) {
  painter.setPen(Qt::black);
  painter.setFont(ui_helpers::FaceFont(QStringLiteral("Courier"), kTablePoints));
  const int lineHeight = painter.fontMetrics().lineSpacing();
  int y = 0;
  const auto writeLine = [&](const QString& text) {
    if (y + lineHeight > printer.height()) {
      printer.newPage();
      y = 0;
    }
    DrawAt(painter, 0, y, text);
    y += lineHeight;
  };
  writeLine(QString());
  for (const QString& line : lines) writeLine(QStringLiteral("   ") + line);
}

} // namespace month_table_window
