// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_accessible.h"

#include "click_area.h"
#include "day/readable_day.h"
#include "day_canvas.h"
#include "moon_box.h"
#include "status_strip.h"

#include <QCoreApplication>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <limits>
#include <optional>

namespace main_window {
namespace {

std::optional<CanvasRow> RowOf(const DayCanvas* canvas, int slot) {
  if (!canvas) return std::nullopt;
  for (CanvasRow& row : canvas->rows()) {
    if (row.slot == slot) return std::move(row);
  }
  return std::nullopt;
}

} // namespace

bool CanvasRowAccessible::isValid() const { return canvas_ && RowOf(canvas_, slot_).has_value(); }

QWindow* CanvasRowAccessible::window() const {
  return canvas_ ? canvas_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CanvasRowAccessible::parent() const {
  return canvas_ ? QAccessible::queryAccessibleInterface(canvas_.data()) : nullptr;
}

QString CanvasRowAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) return {};
  const std::optional<CanvasRow> row = RowOf(canvas_, slot_);
  return row ? row->text : QString();
}

QRect CanvasRowAccessible::rect() const {
  const std::optional<CanvasRow> row = RowOf(canvas_, slot_);
  if (!row) return {};
  return QRect(canvas_->mapToGlobal(row->rect.topLeft()), row->rect.size());
}

QAccessible::State CanvasRowAccessible::state() const {
  QAccessible::State s;
  s.readOnly = true;
  s.invisible = !canvas_ || !canvas_->isVisible();
  return s;
}

void* CanvasRowAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ActionInterface) return static_cast<QAccessibleActionInterface*>(this);
  return nullptr;
}

QStringList CanvasRowAccessible::actionNames() const {
  QStringList names;
  if (const std::optional<CanvasRow> row = RowOf(canvas_, slot_)) {
    for (const CanvasAction& action : row->actions) names << action.name;
  }
  return names;
}

void CanvasRowAccessible::doAction(const QString& actionName) {
  const std::optional<CanvasRow> row = RowOf(canvas_, slot_);
  if (!row) return;
  for (const CanvasAction& action : row->actions) {
    if (action.name == actionName) {
      action.run();
      return;
    }
  }
}

DayCanvasAccessible::DayCanvasAccessible(DayCanvas* canvas) : QAccessibleWidget(canvas, QAccessible::Pane) {}

std::vector<QAccessibleInterface*> DayCanvasAccessible::Children() const {
  auto* canvas = static_cast<DayCanvas*>(widget());
  struct Placed {
    QPoint topLeft;
    QAccessibleInterface* item;
  };
  std::vector<Placed> placed;
  // The disc is read after the moon rows, whichever size it has.
  std::optional<QPoint> afterMoonRows;
  for (const CanvasRow& row : canvas->rows()) {
    placed.push_back({row.rect.topLeft(), canvas->rowInterface(row.slot)});
    if (row.slot >= static_cast<int>(day::ReadableSlot::FirstMoonRow) && row.slot <= static_cast<int>(day::ReadableSlot::ThirdMoonRow))
      afterMoonRows = QPoint(std::numeric_limits<int>::max(), row.rect.top());
  }
  for (QObject* object : canvas->children()) {
    auto* child = qobject_cast<QWidget*>(object);
    // The click areas' commands are the rows' actions.
    if (!child || child->isWindow() || child->isHidden() || qobject_cast<ClickArea*>(child)) continue;
    QAccessibleInterface* item = QAccessible::queryAccessibleInterface(child);
    if (!item) continue;
    const bool disc = qobject_cast<MoonBox*>(child) && afterMoonRows;
    placed.push_back({disc ? *afterMoonRows : child->geometry().topLeft(), item});
  }
  // Top to bottom, then left to right: the order in which the rows are shown.
  std::stable_sort(placed.begin(), placed.end(), [](const Placed& a, const Placed& b) {
    return a.topLeft.y() != b.topLeft.y() ? a.topLeft.y() < b.topLeft.y() : a.topLeft.x() < b.topLeft.x();
  });
  std::vector<QAccessibleInterface*> items;
  for (const Placed& p : placed) items.push_back(p.item);
  return items;
}

int DayCanvasAccessible::childCount() const { return static_cast<int>(Children().size()); }

QAccessibleInterface* DayCanvasAccessible::child(int index) const {
  const std::vector<QAccessibleInterface*> items = Children();
  return index >= 0 && index < static_cast<int>(items.size()) ? items[static_cast<std::size_t>(index)] : nullptr;
}

int DayCanvasAccessible::indexOfChild(const QAccessibleInterface* child) const {
  const std::vector<QAccessibleInterface*> items = Children();
  const auto found = std::find(items.begin(), items.end(), child);
  return found == items.end() ? -1 : static_cast<int>(found - items.begin());
}

QAccessibleInterface* DayCanvasAccessible::childAt(int x, int y) const {
  for (QAccessibleInterface* item : Children()) {
    if (item->rect().contains(x, y)) return item;
  }
  return nullptr;
}

QString ShowHidePhasesAction() { return QCoreApplication::translate("main_window", "Show/Hide Phases"); }
QString ResizeMoonAction() { return QCoreApplication::translate("main_window", "Resize Moon Graphic"); }

MoonBoxAccessible::MoonBoxAccessible(MoonBox* box) : QAccessibleWidget(box, QAccessible::Graphic) {}

void* MoonBoxAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::ImageInterface) return static_cast<QAccessibleImageInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QStringList MoonBoxAccessible::actionNames() const { return {ShowHidePhasesAction(), ResizeMoonAction()}; }

void MoonBoxAccessible::doAction(const QString& actionName) {
  auto* box = static_cast<MoonBox*>(widget());
  if (actionName == ShowHidePhasesAction()) emit box->leftClicked();
  else if (actionName == ResizeMoonAction()) emit box->rightClicked();
}

QString MoonBoxAccessible::imageDescription() const { return widget()->accessibleDescription(); }
QSize MoonBoxAccessible::imageSize() const { return widget()->size(); }
QPoint MoonBoxAccessible::imagePosition() const { return widget()->mapToGlobal(QPoint(0, 0)); }

StatusBoxAccessible::StatusBoxAccessible(QWidget* box) : QAccessibleWidget(box, QAccessible::StaticText) {}

QStringList StatusBoxAccessible::actionNames() const { return {pressAction()}; }

void StatusBoxAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction()) static_cast<const StatusBox*>(widget())->press();
}

QAccessibleInterface* DayViewAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(DayCanvas::staticMetaObject.className()))
    return new DayCanvasAccessible(static_cast<DayCanvas*>(object));
  if (className == QLatin1String(MoonBox::staticMetaObject.className()))
    return new MoonBoxAccessible(static_cast<MoonBox*>(object));
  if (className == QLatin1String(StatusBox::staticMetaObject.className()))
    return new StatusBoxAccessible(static_cast<QWidget*>(object));
  return nullptr;
}

} // namespace main_window
