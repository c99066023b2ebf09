// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_canvas.h"

#include <QPainter>

namespace dayview {

void DayCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  paint_(painter);
}

} // namespace dayview
