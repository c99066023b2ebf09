// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A control that steps the calendar while a mouse button is down on it: the
// arrow buttons and the narrow strips beside the day grid. It reports which
// button went down (left steps once, any other repeats) and when it came up.

#include "ui_helpers/button_palette.h"

#include <QMouseEvent>
#include <QToolButton>

namespace calendar_panel {

class StepControl : public QToolButton {
  Q_OBJECT
public:
  // arrow: Qt::LeftArrow or Qt::RightArrow for the arrow buttons, Qt::NoArrow
  // for a plain strip; step: -1 or +1, the control's tag.
  StepControl(QWidget* parent, Qt::ArrowType arrow, int step, const QString& hint)
      : QToolButton(parent), step_(step) {
    setArrowType(arrow);
    setToolTip(hint);
    setFocusPolicy(Qt::NoFocus);
    setAutoRaise(arrow == Qt::NoArrow);
    setPalette(ui_helpers::ButtonPalette()); // arrows in the button's text colour, not the day view's
  }

  int step() const { return step_; }

signals:
  void stepPressed(Qt::MouseButton button, Qt::KeyboardModifiers modifiers);
  void stepReleased();

protected:
  void mousePressEvent(QMouseEvent* event) override {
    QToolButton::mousePressEvent(event);
    event->accept(); // every button steps; none may reach the parent
    emit stepPressed(event->button(), event->modifiers());
  }
  void mouseReleaseEvent(QMouseEvent* event) override {
    QToolButton::mouseReleaseEvent(event);
    emit stepReleased();
  }
  void paintEvent(QPaintEvent* event) override {
    if (arrowType() != Qt::NoArrow) QToolButton::paintEvent(event); // strips stay invisible
  }

private:
  int step_;
};

} // namespace calendar_panel
