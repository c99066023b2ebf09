// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_painter.h"

#include "ui_helpers/text_fit.h"

#include <QFontMetrics>
#include <QPainter>

namespace main_window {
namespace {

QRect ToQRect(const ui_helpers::TextRect& r) { return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1)); }

// Text whose right edge meets the rectangle's right edge, top at its top,
// clipped to the rectangle.
void DrawRightAligned(QPainter& painter, const QRect& box, const QString& text) {
  const int width = painter.fontMetrics().horizontalAdvance(text);
  painter.save();
  painter.setClipRect(box);
  painter.drawText(QRect(box.right() + 1 - width, box.top(), width, box.height()),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.restore();
}

void DrawLeftAligned(QPainter& painter, const QRect& box, const QString& text) {
  painter.save();
  painter.setClipRect(box);
  painter.drawText(box.topLeft().x(), box.top(), painter.fontMetrics().horizontalAdvance(text), box.height(),
                   Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text);
  painter.restore();
}

void PaintPhaseRows(QPainter& painter, const DayPaintInput& in) {
  const ui_helpers::LayoutMetricTable& m = in.metrics;
  const int rows = day::PhaseRowCount(in.formLength);
  // A text wider than its column (a long date of the locale) takes a smaller
  // size rather than lose its first digits; one size serves a whole column so
  // the rows stay alike, and a pixel is kept for the glyphs' smoothed edges.
  QStringList names, dates, times;
  for (int r = 0; r < rows; ++r) {
    names << in.view.Phases.PhaseText[r].name;
    dates << in.view.Phases.PhaseText[r].date;
    times << in.view.Phases.PhaseText[r].time;
  }
  const auto fitted = [&in](const QStringList& texts, int left, int right) {
    return ui_helpers::FontToFit(in.font, texts, right - left - 1);
  };
  const QFont nameFont = fitted(names, m[ui_helpers::kPhaseNameLeft], m[ui_helpers::kPhaseNameRight]);
  const QFont dateFont = fitted(dates, m[ui_helpers::kPhaseDateLeft], m[ui_helpers::kPhaseDateRight]);
  const QFont timeFont = fitted(times, m[ui_helpers::kPhaseTimeLeft], m[ui_helpers::kPhaseTimeRight]);
  int y = m[ui_helpers::kPhaseRowsTop];
  for (int r = 0; r < rows; ++r) {
    const int y2 = y + m[ui_helpers::kPhaseRowHeight];
    const day::PhaseRow& row = in.view.Phases.PhaseText[r];
    painter.fillRect(QRect(QPoint(m[ui_helpers::kPhaseNameLeft], y), QPoint(m[ui_helpers::kPhaseTimeRight] - 1, y2 - 1)), in.background);
    if (!row.name.isEmpty()) { // an empty row lies past the last date: left blank
      painter.setFont(nameFont);
      DrawLeftAligned(painter, QRect(QPoint(m[ui_helpers::kPhaseNameLeft], y), QPoint(m[ui_helpers::kPhaseNameRight] - 1, y2 - 1)), row.name);
      painter.setFont(in.font);
      painter.drawText(m[ui_helpers::kPhaseColonX], y, painter.fontMetrics().horizontalAdvance(QLatin1Char(':')),
                       m[ui_helpers::kPhaseRowHeight], Qt::AlignLeft | Qt::AlignTop, QStringLiteral(":"));
      painter.setFont(dateFont);
      DrawRightAligned(painter, QRect(QPoint(m[ui_helpers::kPhaseDateLeft], y), QPoint(m[ui_helpers::kPhaseDateRight] - 1, y2 - 1)), row.date);
      painter.setFont(timeFont);
      DrawRightAligned(painter, QRect(QPoint(m[ui_helpers::kPhaseTimeLeft], y), QPoint(m[ui_helpers::kPhaseTimeRight] - 1, y2 - 1)), row.time);
      painter.setFont(in.font);
    }
    y = y2;
  }
}

} // namespace

void PaintDayText(QPainter& painter, const DayPaintInput& in) {
  painter.setFont(in.font);
  painter.setPen(in.text);
  const day::DayTexts& text = in.view.DayText;

  // Times, extra columns and moon labels over their own fill; the sun labels
  // sit on the window's background.
  for (int entry = 0; entry < day::kDateLine; ++entry) {
    const QRect box = ToQRect(in.rects[entry]);
    if (entry < day::kFirstSunLabel) painter.fillRect(box, in.background);
    DrawRightAligned(painter, box, text[entry]);
  }

  // The date line, bold and centred; it may start left of 0 when wider.
  const QRect dateBox = ToQRect(in.rects[day::kDateLine]);
  painter.fillRect(dateBox, in.background);
  QFont bold = in.font;
  bold.setBold(true);
  painter.setFont(bold);
  const int width = painter.fontMetrics().horizontalAdvance(text[day::kDateLine]);
  const int left = (in.rects[day::kDateLine].right - width) / 2; // truncated toward zero
  painter.save();
  painter.setClipRect(dateBox);
  painter.drawText(QRect(left, dateBox.top(), width, dateBox.height()), Qt::AlignLeft | Qt::AlignTop,
                   text[day::kDateLine]);
  painter.restore();
  painter.setFont(in.font);

  if (in.phaseShown) PaintPhaseRows(painter, in);
}

} // namespace main_window
