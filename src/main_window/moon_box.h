// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The square box that shows the Moon's phase disc; it only copies the disc
// image, which the window redraws with DrawMoonDisc.

#include "ui_helpers/moon_disc.h"

#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>

namespace main_window {

class MoonBox : public QWidget {
  Q_OBJECT
public:
  explicit MoonBox(QWidget* parent) : QWidget(parent) {
    setToolTip(tr("Left click to show phases, right click to resize graphic"));
  }

  // MoonBitmap: sized with the box by PlaceMoonBox.
  QImage& bitmap() { return bitmap_; }
  const QImage& bitmap() const { return bitmap_; }

  // Moves and sizes the box and gives the bitmap its size in the screen's
  // device pixels; does not redraw.
  void place(const QRect& bounds) {
    setGeometry(bounds);
    bitmap_ = ui_helpers::DiscImage(bounds.width(), devicePixelRatioF());
  }

signals:
  void leftClicked();
  void rightClicked();

protected:
  void paintEvent(QPaintEvent*) override {
    QPainter painter(this);
    painter.drawImage(0, 0, bitmap_);
  }
  void mousePressEvent(QMouseEvent* event) override {
    if (event->button() == Qt::LeftButton) emit leftClicked();
    else if (event->button() == Qt::RightButton) emit rightClicked();
  }

private:
  QImage bitmap_;
};

} // namespace main_window
