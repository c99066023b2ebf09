// SPDX-License-Identifier: GPL-3.0-or-later
#include "menu_item_accessible.h"

#include <QAction>
#include <QActionGroup>
#include <QMenu>
#include <QWindow>

namespace main_window {
namespace {

QMenu* MenuOf(const QAction* action) {
  for (QObject* shownIn : action->associatedObjects()) {
    if (auto* menu = qobject_cast<QMenu*>(shownIn)) return menu;
  }
  return nullptr;
}

QAccessibleInterface* MenuItemFactory(const QString& className, QObject* object) {
  auto* action = qobject_cast<QAction*>(object);
  if (className != QLatin1String("QAction") || !action || !action->isCheckable() || action->menu()) return nullptr;
  QMenu* menu = MenuOf(action);
  return menu ? new MenuItemAccessible(action, menu) : nullptr;
}

} // namespace

MenuItemAccessible::MenuItemAccessible(QAction* action, QMenu* menu) : action_(action), menu_(menu) {}

QObject* MenuItemAccessible::object() const { return action_; }

QWindow* MenuItemAccessible::window() const { return menu_ ? menu_->windowHandle() : nullptr; }

QAccessibleInterface* MenuItemAccessible::parent() const { return QAccessible::queryAccessibleInterface(menu_); }

QString MenuItemAccessible::text(QAccessible::Text t) const {
  if (!action_) return {};
  switch (t) {
  case QAccessible::Name: {
    // The caption without its mnemonic marks ("&&" is a shown "&").
    QString words = action_->text();
    words.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(QLatin1Char('&'));
    return words.replace(QLatin1Char('\x01'), QLatin1Char('&'));
  }
  case QAccessible::Accelerator:
    return action_->shortcut().toString(QKeySequence::NativeText);
  case QAccessible::Help:
    return action_->whatsThis();
  default:
    return {};
  }
}

QRect MenuItemAccessible::rect() const {
  if (!menu_ || !action_) return {};
  const QRect local = menu_->actionGeometry(action_);
  return QRect(menu_->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::Role MenuItemAccessible::role() const {
  return action_ && action_->actionGroup() && action_->actionGroup()->isExclusive() ? QAccessible::RadioButton
                                                                                      : QAccessible::CheckBox;
}

QAccessible::State MenuItemAccessible::state() const {
  QAccessible::State s;
  if (!action_ || !menu_) {
    s.invalid = true;
    return s;
  }
  s.checkable = true;
  s.checked = action_->isChecked();
  s.disabled = !action_->isEnabled();
  s.invisible = !action_->isVisible() || !menu_->isVisible();
  s.focusable = true;
  s.focused = menu_->isVisible() && menu_->activeAction() == action_;
  return s;
}

void* MenuItemAccessible::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

QStringList MenuItemAccessible::actionNames() const { return {toggleAction()}; }

void MenuItemAccessible::doAction(const QString& actionName) {
  if (actionName != toggleAction() || !action_ || !action_->isEnabled()) return;
  if (menu_) menu_->close();
  action_->trigger();
}

QStringList MenuItemAccessible::keyBindingsForAction(const QString& actionName) const {
  if (actionName != toggleAction() || !action_ || action_->shortcut().isEmpty()) return {};
  return {action_->shortcut().toString(QKeySequence::NativeText)};
}

void InstallMenuItemReading() {
  static const bool installed = [] {
    QAccessible::installFactory(MenuItemFactory);
    return true;
  }();
  (void)installed;
}

} // namespace main_window
