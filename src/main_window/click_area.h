// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A transparent, captionless area laid over painted text: it carries a hint and
// reports mouse presses by button.

#include <QMouseEvent>
#include <QWidget>

namespace main_window {

class ClickArea : public QWidget {
  Q_OBJECT
public:
  ClickArea(QWidget* parent, const QString& hint) : QWidget(parent) {
    setToolTip(hint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_NoSystemBackground);
  }

signals:
  void leftClicked();
  void rightClicked();

protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit leftClicked();
    else if (event->button() == Qt::RightButton) emit rightClicked();
  }
};

} // namespace main_window
