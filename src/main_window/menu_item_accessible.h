// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A checkable menu item for assistive technology: a check box (or, in a group
// of which one is chosen, a radio button) in its menu, checkable and checked
// as its command is. Qt reads such an item as a plain menu item that is
// checked or says nothing, so an unchecked option (Moon Transit off, 12 hr
// Format not chosen) could not be told from a command.

#include "ui_helpers/childless_accessible.h"

#include <QAccessibleInterface>
#include <QPointer>

class QAction;
class QMenu;

namespace main_window {

class MenuItemAccessible : public ChildlessAccessible, public QAccessibleActionInterface {
public:
  MenuItemAccessible(QAction* action, QMenu* menu);

  bool isValid() const override { return !action_.isNull() && !menu_.isNull(); }
  QObject* object() const override;
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override;
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString& actionName) const override;

private:
  QPointer<QAction> action_;
  QPointer<QMenu> menu_;
};

// Reads every checkable menu item of the program as a MenuItemAccessible;
// installed once, by the first caller, before the menus are read.
void InstallMenuItemReading();

} // namespace main_window
