// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window's client area: a fill in the background colour with the day
// view's texts painted on it. The other controls are its children. For a
// screen reader the painted rows are items of their own (CanvasRow), each
// with the commands a click on it gives.

#include "day/readable_day.h"

#include <QRect>
#include <QWidget>
#include <array>
#include <functional>
#include <vector>

class QAccessibleInterface;

namespace main_window {

struct CanvasAction {
  QString name; // what it does, e.g. "Show/Hide Transit"
  std::function<void()> run;
};

// One painted row as read out: its ReadableSlot, its sentence, where it is
// painted (canvas pixels) and what a click on it does.
struct CanvasRow {
  int slot = 0;
  QString text;
  QRect rect;
  std::vector<CanvasAction> actions;
};

inline constexpr int kCanvasRowSlots = day::kReadableSlotCount;

class DayCanvas : public QWidget {
  Q_OBJECT
public:
  DayCanvas(QWidget* parent, std::function<void(QPainter&)> paint) : QWidget(parent), paint_(std::move(paint)) {
    setAutoFillBackground(true);
  }
  ~DayCanvas() override;

  // Where the rows come from: the same state the painter draws.
  void setRows(std::function<std::vector<CanvasRow>()> rows) { rows_ = std::move(rows); }
  std::vector<CanvasRow> rows() const { return rows_ ? rows_() : std::vector<CanvasRow>{}; }
  // Tells the accessibility bridge which rows changed, appeared or went
  // since the last call; called after every repaint request of the day.
  void announceRows();

  // The item of a row slot; created once, owned by Qt's accessibility cache.
  QAccessibleInterface* rowInterface(int slot);

  // Installs the accessibility factory of the day view's classes (once).
  static void installAccessibility();

protected:
  void paintEvent(QPaintEvent*) override;

private:
  std::function<void(QPainter&)> paint_;
  std::function<std::vector<CanvasRow>()> rows_;
  std::array<unsigned, kCanvasRowSlots> rowIds_{}; // QAccessible::Id, 0 = not created
  std::array<QString, kCanvasRowSlots> announced_{}; // texts last told; empty = row absent
};

} // namespace main_window
