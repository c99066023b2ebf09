// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_canvas.h"

#include "day_accessible.h"

#include <QAccessible>
#include <QPainter>

namespace main_window {

DayCanvas::~DayCanvas() {
  for (const unsigned id : rowIds_) {
    if (id != 0) QAccessible::deleteAccessibleInterface(id);
  }
}

void DayCanvas::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  // Each text takes its own direction, so a right-to-left window still reads
  // "7:30 AM" and "Dec 8" in a left-to-right language.
  painter.setLayoutDirection(Qt::LayoutDirectionAuto);
  paint_(painter);
}

QAccessibleInterface* DayCanvas::rowInterface(int slot) {
  if (slot < 0 || slot >= kCanvasRowSlots) return nullptr;
  unsigned& id = rowIds_[static_cast<std::size_t>(slot)];
  if (id == 0) id = QAccessible::registerAccessibleInterface(new CanvasRowAccessible(this, slot));
  return QAccessible::accessibleInterface(id);
}

void DayCanvas::installAccessibility() {
  static const bool installed = [] {
    QAccessible::installFactory(DayViewAccessibleFactory);
    return true;
  }();
  (void)installed;
}

void DayCanvas::announceRows() {
  if (!QAccessible::isActive()) return;
  std::array<QString, kCanvasRowSlots> now{};
  for (const CanvasRow& row : rows()) now[static_cast<std::size_t>(row.slot)] = row.text;
  for (int slot = 0; slot < kCanvasRowSlots; ++slot) {
    const QString& before = announced_[static_cast<std::size_t>(slot)];
    const QString& after = now[static_cast<std::size_t>(slot)];
    if (before == after) continue;
    const QAccessible::Event kind = before.isEmpty()  ? QAccessible::ObjectCreated
                                    : after.isEmpty() ? QAccessible::ObjectDestroyed
                                                      : QAccessible::NameChanged;
    QAccessibleEvent event(rowInterface(slot), kind);
    QAccessible::updateAccessibility(&event);
  }
  announced_ = now;
}

} // namespace main_window
