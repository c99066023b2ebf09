#include "panel_keys.h"

#include <QShortcut>
#include <QWidget>

namespace settings {

void BindPanelKeys(QWidget* panel, const std::function<void()>& enter, const std::function<void()>& escape) {
  // A shortcut of a hidden widget does not fire, so each panel owns its keys
  // exactly while it is open.
  for (const int key : {Qt::Key_Return, Qt::Key_Enter}) {
    QObject::connect(new QShortcut(QKeySequence(key), panel), &QShortcut::activated, panel, enter);
  }
  QObject::connect(new QShortcut(QKeySequence(Qt::Key_Escape), panel), &QShortcut::activated, panel, escape);
}

} // namespace settings
