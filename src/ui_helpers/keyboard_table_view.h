// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A table view that tells assistive technology its current cell as focused
// only while the view has the keyboard. Qt's view tells every new current
// cell, so a list rebuilt by a button (Next Year) would move a screen reader
// into the list while the keyboard stays on the button.

#include <QTableView>

namespace ui_helpers {

class KeyboardTableView : public QTableView {
public:
  using QTableView::QTableView;

protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
    if (hasFocus()) QTableView::currentChanged(current, previous);
    else QAbstractItemView::currentChanged(current, previous); // all but the focus event
  }
};

} // namespace ui_helpers
