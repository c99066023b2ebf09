// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's client area: a fill in the background colour with the day
// view's texts painted on it. The other controls are its children.

#include <QWidget>
#include <functional>

namespace dayview {

class DayCanvas : public QWidget {
  Q_OBJECT
public:
  DayCanvas(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), paint_(std::move(paint)) {
    setAutoFillBackground(true);
  }

protected:
  void paintEvent(QPaintEvent*) override;

private:
  std::function<void(QPainter&)> paint_;
};

} // namespace dayview
