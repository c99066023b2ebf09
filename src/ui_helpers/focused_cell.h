// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tells assistive technology which cell of a table view has the keyboard
// whenever the view takes the focus. Qt tells the view itself as focused, so
// a screen reader would not know the cell the arrows will move from; the cell
// is told after the view, once the focus has settled.

#include <QAbstractItemView>
#include <QAccessible>
#include <QEvent>
#include <QTimer>

namespace ui_helpers {

class FocusedCellTeller : public QObject {
public:
  explicit FocusedCellTeller(QAbstractItemView* view) : QObject(view), view_(view) { view->installEventFilter(this); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == view_ && event->type() == QEvent::FocusIn) QTimer::singleShot(0, this, [this] { Tell(); });
    return QObject::eventFilter(watched, event);
  }

private:
  void Tell() const {
    const QModelIndex current = view_->currentIndex();
    if (!QAccessible::isActive() || !view_->hasFocus() || !current.isValid()) return;
    QAccessibleInterface* table = QAccessible::queryAccessibleInterface(view_);
    QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
    if (QAccessibleInterface* cell = cells ? cells->cellAt(current.row(), current.column()) : nullptr) {
      QAccessibleEvent focus(cell, QAccessible::Focus);
      QAccessible::updateAccessibility(&focus);
    }
  }

  QAbstractItemView* view_;
};

} // namespace ui_helpers
