// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_keys.h"

#include <QAbstractButton>
#include <QApplication>
#include <QShortcut>

namespace settings {

void BindPanelKeys(QWidget* panel, const std::function<void()>& enter, const std::function<void()>& escape) {
  // A shortcut of a hidden widget does not fire, so each panel owns its keys
  // exactly while it is open.
  // Enter on a focused button of the panel presses that button, as it would
  // in a dialog; anywhere else it presses the default button.
  const auto pressed = [panel, enter] {
    auto* button = qobject_cast<QAbstractButton*>(QApplication::focusWidget());
    if (button && panel->isAncestorOf(button)) {
      button->click();
    } else {
      enter();
    }
  };
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    QObject::connect(new QShortcut(QKeySequence(key), panel), &QShortcut::activated, panel, pressed);
  }
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), panel), &QShortcut::activated, panel, escape);
}

} // namespace settings
