// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A label that reports mouse presses: the day cells, the weekday headers and
// the month and year captions of the calendar.

#include <QLabel>
#include <QMouseEvent>

namespace ui_helpers {

class ClickableLabel : public QLabel {
  Q_OBJECT
public:
  using QLabel::QLabel;

signals:
  void pressed(Qt::MouseButton button);

protected:
  void mousePressEvent(QMouseEvent* event) override { emit pressed(event->button()); }
};

} // namespace ui_helpers
