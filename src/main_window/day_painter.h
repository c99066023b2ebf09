// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Paints the day view from its texts: the date line, the sun block, the moon
// rows and the phase list. Nothing else writes these pixels.

#include "day/day_view_state.h"
#include "ui_helpers/day_layout.h"

#include <QColor>
#include <QFont>

class QPainter;

namespace main_window {

struct DayPaintInput {
  const day::DayViewState& view;
  const ui_helpers::TextRectTable& rects;
  const ui_helpers::LayoutMetricTable& metrics;
  QColor background;
  QColor text;
  QFont font;
  bool phaseShown;  // the Phase option
  bool formLength;  // six phase rows instead of four
};

// Draws every text right-aligned and clipped in its rectangle over a fill in
// the background colour, the date line bold and centred, and the phase rows.
void PaintDayText(QPainter& painter, const DayPaintInput& in);

} // namespace main_window
