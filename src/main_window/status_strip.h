// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The status bar at the bottom of the main window: location, clock kind,
// twilight kind and a running clock, each in a bordered box.

#include "status_texts.h"

#include <QFrame>
#include <functional>

class QLabel;

namespace dayview {

class StatusStrip : public QFrame {
  Q_OBJECT
public:
  StatusStrip(QWidget* parent, const std::function<int(int)>& scale);

  void setTexts(const StatusPanelTexts& texts);
  void setClockText(const QString& text);
  // The box's whole text, though the box may show it cut short with "…".
  QString text(int box) const; // 0 location, 1 time type, 2 twilight, 3 clock

signals:
  void locationClicked();
  void timeTypeClicked();
  void twilightClicked();
  void clockClicked();

private:
  void ShowText(int box, const QString& text);

  QLabel* boxes_[4] = {};
  QString texts_[4];
};

} // namespace dayview
