// SPDX-License-Identifier: GPL-3.0-or-later
#include "panel_keys.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QShortcut>

namespace ui_helpers {
namespace {

// An open drop-down list keeps Enter and Escape for itself, as in any dialog:
// they close the list and reach neither the panel's buttons nor its Escape.
class OpenListKeys : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ShortcutOverride) {
      const int key = static_cast<QKeyEvent*>(event)->key();
      if (key == Qt::Key_Return || key == Qt::Key_Enter || key == Qt::Key_Escape) event->accept();
    }
    return QObject::eventFilter(watched, event);
  }
};

} // namespace

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
  auto* listKeys = new OpenListKeys(panel);
  for (QComboBox* list : panel->findChildren<QComboBox*>()) list->view()->installEventFilter(listKeys);
}

} // namespace ui_helpers
