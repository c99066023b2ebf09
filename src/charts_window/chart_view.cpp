// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_view.h"

#include "scene_painter.h"

#include <QPainter>

namespace charts_window {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("viewChart"));
  setMinimumSize(480, 320);
  setFocusPolicy(Qt::StrongFocus);
}

void ChartView::setSceneMaker(SceneMaker make) {
  make_ = std::move(make);
  const charts::Scene shown = scene();
  setAccessibleName(shown.title);
  setAccessibleDescription(shown.description);
  update();
}

charts::Scene ChartView::scene() const { return make_ ? make_(QSizeF(size())) : charts::Scene{QSizeF(size()), {}, {}, 0xffffff, {}}; }

void ChartView::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  PaintScene(painter, scene());
}

} // namespace charts_window
