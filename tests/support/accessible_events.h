// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the program tells assistive technology, caught as a screen reader's
// bridge would get it: while an AccessibleEventLog lives, accessibility is
// switched on (as a screen reader switches it on) and every event is kept with
// the name, description and value of its object at the moment it was sent.

#include <QAccessible>
#include <QList>
#include <QString>
#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

namespace testing_support {

struct ToldEvent {
  QAccessible::Event type = QAccessible::InvalidEvent;
  QObject* object = nullptr; // the widget, or null for a part of one
  QAccessible::Role role = QAccessible::NoRole;
  QString name;
  QString description;
  QString value;
  bool focused = false;
};

class AccessibleEventLog {
public:
  AccessibleEventLog() {
    log_ = &events_;
    QAccessible::installUpdateHandler(&AccessibleEventLog::Keep);
    Switch(true);
  }
  ~AccessibleEventLog() {
    Switch(false);
    QAccessible::installUpdateHandler(nullptr);
    log_ = nullptr;
  }
  AccessibleEventLog(const AccessibleEventLog&) = delete;
  AccessibleEventLog& operator=(const AccessibleEventLog&) = delete;

  const QList<ToldEvent>& events() const { return events_; }
  void clear() { events_.clear(); }
  // The events of one kind, in order.
  QList<ToldEvent> of(QAccessible::Event type) const {
    QList<ToldEvent> found;
    for (const ToldEvent& e : events_)
      if (e.type == type) found << e;
    return found;
  }

private:
  static void Switch(bool on) {
    if (QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility())
      platform->setActive(on);
  }

  static void Keep(QAccessibleEvent* event) {
    if (!log_) return;
    ToldEvent told;
    told.type = event->type();
    told.object = event->object();
    if (QAccessibleInterface* item = event->accessibleInterface()) {
      told.role = item->role();
      told.name = item->text(QAccessible::Name);
      told.description = item->text(QAccessible::Description);
      told.value = item->text(QAccessible::Value);
      told.focused = item->state().focused;
    }
    if (event->type() == QAccessible::ValueChanged)
      told.value = static_cast<QAccessibleValueChangeEvent*>(event)->value().toString();
    log_->append(told);
  }

  QList<ToldEvent> events_;
  static inline QList<ToldEvent>* log_ = nullptr;
};

} // namespace testing_support
