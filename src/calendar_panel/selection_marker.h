// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The selected day's marker: a raised bevel one pixel wide, and, while the
// calendar has the keyboard (its window holds the focus), the focus ring two
// pixels wide, so the keyboard's place always shows.

#include "ui_helpers/focus_ring_style.h"

#include <QApplication>
#include <QFrame>
#include <QPainter>

namespace calendar_panel {

class SelectionMarker : public QFrame {
public:
  explicit SelectionMarker(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::Panel);
    setFrameShadow(QFrame::Raised);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    connect(qApp, &QApplication::focusChanged, this, [this] { update(); });
  }

protected:
  void paintEvent(QPaintEvent* event) override {
    if (!HasKeyboard()) return QFrame::paintEvent(event);
    QPainter painter(this);
    const QColor around = parentWidget()->palette().color(QPalette::Window);
    ui_helpers::DrawFocusRing(&painter, rect(), around, around);
  }

private:
  bool HasKeyboard() const { return window()->isActiveWindow() && QApplication::focusWidget() == window(); }
};

} // namespace calendar_panel
