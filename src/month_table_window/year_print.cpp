// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_print.h"

#include <QFontDatabase>
#include <QPainter>
#include <QPrinter>
#include <algorithm>

namespace month_table_window {
namespace {

constexpr int kMeasurePixels = 100; // the font size the lines are measured at, device pixels

} // namespace

void PrintYearLines(QPainter& painter, QPrinter& printer, const QStringList& lines) {
  const QRect page = printer.pageLayout().paintRectPixels(printer.resolution());
  const QRect area(0, 0, page.width(), page.height());

  QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  font.setPixelSize(kMeasurePixels);
  qreal widest = 1.0;
  for (const QString& line : lines) widest = std::max(widest, QFontMetricsF(font, &printer).horizontalAdvance(line));
  const qreal tall = std::max<qreal>(1.0, QFontMetricsF(font, &printer).lineSpacing() * lines.size());
  // Scaled down (never up) so that both the width and the height fit.
  const qreal scale = std::min(area.width() / widest, area.height() / tall);
  font.setPixelSize(std::max(1, static_cast<int>(kMeasurePixels * scale)));
  painter.setFont(font);
  painter.setPen(Qt::black);

  // Centred across the paper, whose margins may differ left and right; the
  // width is measured again at the size printed.
  const QFontMetricsF printed(font, &printer);
  qreal printedWidest = 0.0;
  for (const QString& line : lines) printedWidest = std::max(printedWidest, printed.horizontalAdvance(line));
  const QRect paper = printer.pageLayout().fullRectPixels(printer.resolution());
  const qreal left = std::clamp((paper.width() - printedWidest) / 2 - page.left(), 0.0,
                                std::max(0.0, area.width() - printedWidest));

  const QFontMetrics metrics = painter.fontMetrics();
  int y = metrics.ascent();
  for (const QString& line : lines) {
    painter.drawText(QPointF(left, y), line);
    y += metrics.lineSpacing();
  }
}

} // namespace month_table_window
