// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_events_print.h"

#include "ui_helpers/list_fonts.h"

#include <QPainter>
#include <QPrinter>
#include <algorithm>
#include <array>
#include <cmath>

namespace sky_events_window {
namespace {

constexpr int kTitlePoints = 12;
constexpr int kTextPoints = 9;
constexpr int kColumnGapEms = 2; // between columns, in widths of "M"
constexpr double kLeastMarginMm = 10.0; // from every edge of the paper
constexpr double kMillimetresPerInch = 25.4;

} // namespace

void PrintEventRows(QPainter& painter, QPrinter& printer, const QStringList& heading,
                    const std::vector<EventCells>& rows) {
  // The printable area, kept at least kLeastMarginMm from the paper's edges
  // whatever margins the printer reports; the painter's origin is the
  // printable area's corner.
  const int resolution = printer.resolution();
  const QRect paper = printer.pageLayout().fullRectPixels(resolution);
  const QRect page = printer.pageLayout().paintRectPixels(resolution);
  const int least = static_cast<int>(std::ceil(kLeastMarginMm * resolution / kMillimetresPerInch));
  const QMargins inset(std::max(0, least - page.left()), std::max(0, least - page.top()),
                       std::max(0, least - (paper.right() - page.right())),
                       std::max(0, least - (paper.bottom() - page.bottom())));
  const QRect area = QRect(0, 0, page.width(), page.height()).marginsRemoved(inset);
  QFont text = ui_helpers::FaceFont(QStringLiteral("Arial"), kTextPoints);
  QFont bold = text;
  bold.setBold(true);
  QFont title = bold;
  title.setPointSize(kTitlePoints);
  painter.setPen(Qt::black);

  // The first three columns as wide as their widest cell or name; the details
  // take the rest of the line and wrap.
  const QFontMetrics textMetrics(text, &printer);
  const QFontMetrics boldMetrics(bold, &printer);
  const int gap = kColumnGapEms * textMetrics.horizontalAdvance(QLatin1Char('M'));
  const EventCells names = EventColumnNames();
  std::array<int, kEventColumnCount> left{};
  left[0] = area.left();
  for (int c = 0; c + 1 < kEventColumnCount; ++c) {
    const auto column = static_cast<std::size_t>(c);
    int widest = boldMetrics.horizontalAdvance(names[column]);
    for (const EventCells& row : rows) widest = std::max(widest, textMetrics.horizontalAdvance(row[column]));
    left[column + 1] = left[column] + widest + gap;
  }
  const int detailsWidth = std::max(1, area.right() + 1 - left.back());
  const auto detailsRect = [&](int top, const QString& details) {
    return textMetrics.boundingRect(QRect(left.back(), top, detailsWidth, area.height()), Qt::TextWordWrap, details);
  };

  // Every page begins with the title, the place and the column names.
  int y = area.top();
  const auto drawHeading = [&] {
    for (int i = 0; i < heading.size(); ++i) {
      painter.setFont(i == 0 ? title : text);
      painter.drawText(QRect(area.left(), y, area.width(), area.height()), Qt::AlignLeft | Qt::AlignTop, heading[i]);
      y += QFontMetrics(painter.font(), &printer).lineSpacing();
    }
    y += textMetrics.lineSpacing();
    painter.setFont(bold);
    for (std::size_t c = 0; c < left.size(); ++c)
      painter.drawText(left[c], y + boldMetrics.ascent(), names[c]);
    y += boldMetrics.lineSpacing();
    painter.drawLine(area.left(), y, area.right(), y);
    y += boldMetrics.lineSpacing() / 2;
  };

  drawHeading();
  for (const EventCells& row : rows) {
    const int height = std::max(textMetrics.lineSpacing(), detailsRect(y, row.back()).height());
    if (y + height > area.bottom()) {
      printer.newPage();
      y = area.top();
      drawHeading();
    }
    painter.setFont(text);
    for (std::size_t c = 0; c + 1 < left.size(); ++c) painter.drawText(left[c], y + textMetrics.ascent(), row[c]);
    painter.drawText(detailsRect(y, row.back()), Qt::TextWordWrap, row.back());
    y += height + textMetrics.lineSpacing() / 3;
  }
}

} // namespace sky_events_window
