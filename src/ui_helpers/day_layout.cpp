// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_layout.h"

#include <cmath>

namespace ui_helpers {

int ScaleToDpi(int pixels, int dpi) {
  const float factor = static_cast<float>(dpi) / 96.0f;
  return static_cast<int>(std::nearbyint(pixels * static_cast<double>(factor))); // ties to even
}

TextRectTable ScaledTextRects(int dpi) {
  TextRectTable rects = kTextRects96;
  for (TextRect& r : rects)
    r = {ScaleToDpi(r.left, dpi), ScaleToDpi(r.top, dpi), ScaleToDpi(r.right, dpi), ScaleToDpi(r.bottom, dpi)};
  return rects;
}

LayoutMetricTable ScaledLayoutMetrics(int dpi) {
  LayoutMetricTable metrics = kLayoutMetrics96;
  for (int& m : metrics) m = ScaleToDpi(m, dpi);
  return metrics;
}

WindowLayout ComputeWindowLayout(bool phaseShown, bool status, bool formLength, const LayoutMetricTable& metrics) {
  const int ph = phaseShown ? 1 : 0;
  const int st = status ? 1 : 0;
  const int longRows = ph * (formLength ? 1 : 0);
  const int phaseRows = metrics[kPhaseListHeight] * ph + metrics[kLongFormHeight] * longRows;
  return {
      metrics[kBaseClientHeight] + phaseRows + metrics[kStatusBarHeight] * st,
      status,
      metrics[kStatusLabelBase] + phaseRows + 2,
      metrics[kPhaseClickHeight] * ph + metrics[kLongFormHeight] * longRows,
  };
}

} // namespace ui_helpers
