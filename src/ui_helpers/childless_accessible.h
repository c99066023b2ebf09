// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// An accessible object that stands for a part of a widget with nothing inside
// it and a text a screen reader cannot change: a painted row, a link in a
// text, a menu item, a cell of a colour grid.

#include <QAccessibleInterface>

class ChildlessAccessible : public QAccessibleInterface {
public:
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}
};
