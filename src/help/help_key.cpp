// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_key.h"

#include "help_topics.h"
#include "help_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>

namespace help {
namespace {

int ContextOf(const QObject* object) {
  return object ? object->property(kHelpContextProperty).toInt() : 0;
}

QAction* HighlightedAction(QObject* target) {
  if (auto* menu = qobject_cast<QMenu*>(target)) return menu->activeAction();
  if (auto* bar = qobject_cast<QMenuBar*>(target)) return bar->activeAction();
  return nullptr;
}

class HelpKeyFilter : public QObject {
public:
  using QObject::QObject;

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() != QEvent::KeyPress || static_cast<QKeyEvent*>(event)->key() != Qt::Key_F1 ||
        static_cast<QKeyEvent*>(event)->modifiers() != Qt::NoModifier || !watched->isWidgetType())
      return false;
    const int context = HelpContextAt(watched);
    // A menu that stays open would keep the keyboard from the help window.
    while (QWidget* popup = QApplication::activePopupWidget()) popup->close();
    ShowHelpTopic(static_cast<QWidget*>(watched), context);
    return true;
  }
};

} // namespace

int HelpContextAt(QObject* target) {
  if (const int context = ContextOf(HighlightedAction(target)); context > 0) return context;
  // Otherwise the nearest owner with a topic: a panel, its window, or the
  // window a menu or dialog belongs to.
  for (QObject* o = target; o; o = o->parent())
    if (const int context = ContextOf(o); context > 0) return context;
  return kContentsTopic;
}

void InstallHelpKey() {
  static HelpKeyFilter* filter = nullptr;
  if (filter) return;
  filter = new HelpKeyFilter(qApp);
  qApp->installEventFilter(filter);
}

} // namespace help
