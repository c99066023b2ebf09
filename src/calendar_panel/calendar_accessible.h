// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month calendar for assistive technology: the grid is a table of six
// week rows by seven day columns under the weekday headers, each cell named by
// its full date, the selected day selected, focused and described by the day
// in short (sun and moon times, phase, sky events); the month and year
// captions and the stepping controls are buttons whose actions do what their
// clicks do.

#include "ui_helpers/unselectable_table.h"

#include <QAccessibleWidget>

namespace calendar_panel {

class CalendarPanel;

class CalendarGridAccessible : public QAccessibleWidget, public UnselectableTableInterface {
public:
  explicit CalendarGridAccessible(QWidget* grid);
  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;

  QAccessibleInterface* cellAt(int row, int column) const override;
  int selectedCellCount() const override { return 1; }
  QList<QAccessibleInterface*> selectedCells() const override;
  QString columnDescription(int column) const override;
  int columnCount() const override;
  int rowCount() const override;

private:
  CalendarPanel* panel() const;
};

class CalendarCellAccessible : public QAccessibleWidget, public QAccessibleTableCellInterface {
public:
  CalendarCellAccessible(QWidget* cell, int index);
  void* interface_cast(QAccessible::InterfaceType type) override;
  QString text(QAccessible::Text t) const override;
  QAccessible::State state() const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

  bool isSelected() const override;
  QList<QAccessibleInterface*> columnHeaderCells() const override;
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override;
  int rowIndex() const override;
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override;

private:
  CalendarPanel* panel() const;
  int index_;
};

// A weekday header: read by the full day name, its action the click's.
class DayHeaderAccessible : public QAccessibleWidget {
public:
  DayHeaderAccessible(QWidget* header, int column);
  QString text(QAccessible::Text t) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

private:
  int column_;
};

// A control whose press does what a left click does: the captions and the
// stepping controls.
class PressButtonAccessible : public QAccessibleWidget {
public:
  PressButtonAccessible(QWidget* button, std::function<void()> press);
  QString text(QAccessible::Text t) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

private:
  std::function<void()> press_;
};

// The name of the weekday headers' action.
QString ChangeDayLabelsAction();

QAccessibleInterface* CalendarAccessibleFactory(const QString& className, QObject* object);

} // namespace calendar_panel
