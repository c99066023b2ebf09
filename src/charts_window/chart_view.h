// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Charts window's picture: lays the chart out for its own size on every
// paint and draws it, so a resize redraws it sharp. A screen reader gets the
// chart's title as its name and its summary as its description.

#include "charts/chart_scene.h"

#include <QWidget>
#include <functional>

namespace charts_window {

// The chart laid out for a size.
using SceneMaker = std::function<charts::Scene(QSizeF size)>;

class ChartView : public QWidget {
  Q_OBJECT
public:
  explicit ChartView(QWidget* parent);
  void setSceneMaker(SceneMaker make);
  // The scene of the current size.
  charts::Scene scene() const;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  SceneMaker make_;
};

} // namespace charts_window
