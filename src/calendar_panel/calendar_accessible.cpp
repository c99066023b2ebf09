// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_accessible.h"

#include "calendar_panel.h"
#include "dates/month_grid.h"
#include "step_control.h"
#include "ui_helpers/clickable_label.h"

#include <QApplication>

namespace calendar_panel {
namespace {

// The children of the grid: the seven headers, then the 42 cells row by row.
constexpr int kFirstCellChild = dates::kGridColumns;

CalendarPanel* PanelOf(QWidget* widget) {
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    if (auto* panel = qobject_cast<CalendarPanel*>(w)) return panel;
  }
  return nullptr;
}

} // namespace

QString ChangeDayLabelsAction() { return QCoreApplication::translate("calendar_panel", "Change Day Labels"); }

CalendarGridAccessible::CalendarGridAccessible(QWidget* grid) : QAccessibleWidget(grid, QAccessible::Table) {}

CalendarPanel* CalendarGridAccessible::panel() const { return PanelOf(widget()); }

void* CalendarGridAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString CalendarGridAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name && panel()) return panel()->ShownMonthText();
  return QAccessibleWidget::text(t);
}

int CalendarGridAccessible::childCount() const { return kFirstCellChild + dates::kGridCells; }

QAccessibleInterface* CalendarGridAccessible::child(int index) const {
  CalendarPanel* p = panel();
  if (!p || index < 0 || index >= childCount()) return nullptr;
  QWidget* w = index < kFirstCellChild ? p->HeaderWidget(index) : p->CellAt(index - kFirstCellChild);
  return QAccessible::queryAccessibleInterface(w);
}

int CalendarGridAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (int i = 0; i < childCount(); ++i) {
    if (this->child(i) == child) return i;
  }
  return -1;
}

QAccessibleInterface* CalendarGridAccessible::cellAt(int row, int column) const {
  if (row < 0 || row >= dates::kGridRows || column < 0 || column >= dates::kGridColumns) return nullptr;
  return child(kFirstCellChild + row * dates::kGridColumns + column);
}

QList<QAccessibleInterface*> CalendarGridAccessible::selectedCells() const {
  CalendarPanel* p = panel();
  if (!p) return {};
  return {child(kFirstCellChild + p->SelectedCellIndex())};
}

QString CalendarGridAccessible::columnDescription(int column) const {
  return panel() ? panel()->HeaderName(column) : QString();
}

int CalendarGridAccessible::columnCount() const { return dates::kGridColumns; }
int CalendarGridAccessible::rowCount() const { return dates::kGridRows; }

CalendarCellAccessible::CalendarCellAccessible(QWidget* cell, int index)
    : QAccessibleWidget(cell, QAccessible::Cell), index_(index) {}

CalendarPanel* CalendarCellAccessible::panel() const { return PanelOf(widget()); }

void* CalendarCellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableCellInterface) return static_cast<QAccessibleTableCellInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QString CalendarCellAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return panel() ? panel()->CellName(index_) : QString();
  // The selected day is described by what the day view shows of it, which
  // changes with it and is otherwise not heard.
  if (t == QAccessible::Description && isSelected()) return panel()->DaySummary();
  return QAccessibleWidget::text(t);
}

QAccessible::State CalendarCellAccessible::state() const {
  QAccessible::State s = QAccessibleWidget::state();
  s.selectable = true;
  s.focusable = true;
  s.selected = isSelected();
  // The keyboard is on the selected day while no other control has it and
  // the calendar shows.
  const QWidget* focus = QApplication::focusWidget();
  s.focused = s.selected && !widget()->isHidden() && panel() && !panel()->isHidden() &&
              (!focus || focus == widget()->window());
  return s;
}

QStringList CalendarCellAccessible::actionNames() const { return {pressAction()}; }

void CalendarCellAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction() && panel()) panel()->SelectCellAt(index_);
}

bool CalendarCellAccessible::isSelected() const { return panel() && panel()->SelectedCellIndex() == index_; }

QList<QAccessibleInterface*> CalendarCellAccessible::columnHeaderCells() const {
  if (!panel()) return {};
  return {QAccessible::queryAccessibleInterface(panel()->HeaderWidget(columnIndex()))};
}

int CalendarCellAccessible::columnIndex() const { return index_ % dates::kGridColumns; }
int CalendarCellAccessible::rowIndex() const { return index_ / dates::kGridColumns; }

QAccessibleInterface* CalendarCellAccessible::table() const {
  return QAccessible::queryAccessibleInterface(widget()->parentWidget());
}

DayHeaderAccessible::DayHeaderAccessible(QWidget* header, int column)
    : QAccessibleWidget(header, QAccessible::ColumnHeader), column_(column) {}

QString DayHeaderAccessible::text(QAccessible::Text t) const {
  CalendarPanel* panel = PanelOf(widget());
  if (t == QAccessible::Name && panel) return panel->HeaderName(column_);
  return QAccessibleWidget::text(t);
}

QStringList DayHeaderAccessible::actionNames() const { return {ChangeDayLabelsAction()}; }

void DayHeaderAccessible::doAction(const QString& actionName) {
  if (actionName == ChangeDayLabelsAction()) {
    if (CalendarPanel* panel = PanelOf(widget())) panel->FlipDayLabels();
  }
}

PressButtonAccessible::PressButtonAccessible(QWidget* button, std::function<void()> press)
    : QAccessibleWidget(button, QAccessible::Button), press_(std::move(press)) {}

QString PressButtonAccessible::text(QAccessible::Text t) const {
  if (t != QAccessible::Name) return QAccessibleWidget::text(t);
  // A caption reads as what it is and what it shows: "Month December".
  const auto* label = qobject_cast<const QLabel*>(widget());
  const QString name = widget()->accessibleName();
  return label ? name + QLatin1Char(' ') + label->text() : name;
}

QStringList PressButtonAccessible::actionNames() const { return {pressAction()}; }

void PressButtonAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction() && widget()->isEnabled()) press_();
}

QAccessibleInterface* CalendarAccessibleFactory(const QString& className, QObject* object) {
  if (className == QLatin1String(StepControl::staticMetaObject.className())) {
    auto* control = static_cast<StepControl*>(object);
    return new PressButtonAccessible(control, [control] {
      emit control->stepPressed(Qt::LeftButton, Qt::NoModifier);
      emit control->stepReleased();
    });
  }
  auto* widget = qobject_cast<QWidget*>(object);
  CalendarPanel* panel = widget ? PanelOf(widget) : nullptr;
  if (!panel) return nullptr;
  if (object == panel->GridWidget()) return new CalendarGridAccessible(widget);
  if (className != QLatin1String(ui_helpers::ClickableLabel::staticMetaObject.className())) return nullptr;
  for (int i = 0; i < dates::kGridCells; ++i) {
    if (panel->CellAt(i) == object) return new CalendarCellAccessible(widget, i);
  }
  for (int column = 0; column < dates::kGridColumns; ++column) {
    if (panel->HeaderWidget(column) == object) return new DayHeaderAccessible(widget, column);
  }
  if (object == panel->CaptionWidget(false))
    return new PressButtonAccessible(widget, [panel] { emit panel->dateEntryRequested(false); });
  if (object == panel->CaptionWidget(true))
    return new PressButtonAccessible(widget, [panel] { emit panel->dateEntryRequested(true); });
  return nullptr;
}

} // namespace calendar_panel
