// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The parts both charts lay out alike: the lettering size for the picture's
// size, the two title lines, the plot's frame and the legend.

#include "chart_scene.h"

#include <vector>

namespace charts {

// Pixels of the body text for a picture of this size.
double TextSize(QSizeF size);

// A generous guess of a line's width in pixels (no font is measured here).
double TextWidth(const QString& text, double size);

// The title (bold) and subtitle centred at the top; the plot starts below them.
void AddTitles(Scene& scene, const QString& title, const QString& subtitle, double textSize);

// A line and its halo, with the halo only when `haloWidth` is not zero.
Stroke Line(std::vector<QPointF> points, Rgb colour, double width, double dash = 0.0, double haloWidth = 0.0);

// The plot's frame: a thin ink line round it.
Stroke Outline(const QRectF& rect);

// Ink on the picture's paper, for text outside the plot.
Label Text(QPointF at, const QString& text, double size, Anchor anchor = Anchor::Start, bool bold = false);

// Ink over a paper outline, for text on the plot's bands.
Label HaloText(QPointF at, const QString& text, double size, Anchor anchor = Anchor::Start);

// Labels placed so far on a plot, so that the next keeps clear of them.
class LabelRoom {
public:
  // The baseline nearest `y`, moved on by `step` at most four times, where a
  // label of `width` and text `size` anchored at x covers none placed before;
  // kept between `top` and `bottom`. The label's box is then taken.
  double Place(double x, Anchor anchor, double width, double size, double y, double step, double top, double bottom);

private:
  std::vector<QRectF> taken_;
};

// One entry of a legend: a filled square, a line (dashed or not) or a dot.
struct LegendEntry {
  enum class Sample { Swatch, Line, Dot };
  Sample sample = Sample::Swatch;
  Rgb colour = 0;
  QString text;
  double dash = 0.0;
};

// The entries left to right from `left`, wrapped within `right`, the first
// row's baseline at y. Returns the baseline of the last row.
double AddLegend(Scene& scene, const std::vector<LegendEntry>& entries, double left, double right, double y,
                 double textSize);

// The legend's rows for this width, to reserve room below the plot.
int LegendRows(const std::vector<LegendEntry>& entries, double left, double right, double textSize);

// The five bands of the sky's legend, darkest first.
std::vector<LegendEntry> SkyLegend();

} // namespace charts
