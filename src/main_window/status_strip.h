// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The status bar at the bottom of the main window: location, clock kind,
// twilight kind and a running clock, each in a bordered box.

#include "day/status_texts.h"

#include <QFrame>
#include <functional>

#include <QLabel>

namespace main_window {

// A bordered box of the status bar whose left click, or press action, runs
// its command.
class StatusBox : public QLabel {
  Q_OBJECT
public:
  StatusBox(QWidget* parent, std::function<void()> onClick);
  void press() const { onClick_(); }

protected:
  void mousePressEvent(QMouseEvent* event) override;

private:
  std::function<void()> onClick_;
};

class StatusStrip : public QFrame {
  Q_OBJECT
public:
  StatusStrip(QWidget* parent, const std::function<int(int)>& scale);

  // The boxes' texts; the time type box is read out by the clock's full
  // name ("Standard Time"), not its shown letters.
  void setTexts(const day::StatusPanelTexts& texts, const QString& timeTypeName);
  // The clock's shown text (every second) and its minute as read out: the
  // box's name changes, and is announced, only when the minute does.
  void setClockText(const QString& text, const QString& spoken);
  // The box's whole text, though the box may show it cut short with "…".
  QString text(int box) const; // 0 location, 1 time type, 2 twilight, 3 clock

signals:
  void locationClicked();
  void timeTypeClicked();
  void twilightClicked();
  void clockClicked();

private:
  void FitChoiceBoxes();
  void ShowText(int box, const QString& text);

  StatusBox* boxes_[4] = {};
  QString texts_[4];
};

} // namespace main_window
