// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The table interface of a grid drawn by the program (the calendar, the
// colour dialog's wells), which a screen reader reads cell by cell but where
// rows and columns are never chosen as a whole.

#include <QAccessibleInterface>

class UnselectableTableInterface : public QAccessibleTableInterface {
public:
  QAccessibleInterface* caption() const override { return nullptr; }
  QAccessibleInterface* summary() const override { return nullptr; }
  QString rowDescription(int) const override { return {}; }
  int selectedColumnCount() const override { return 0; }
  int selectedRowCount() const override { return 0; }
  QList<int> selectedColumns() const override { return {}; }
  QList<int> selectedRows() const override { return {}; }
  bool isColumnSelected(int) const override { return false; }
  bool isRowSelected(int) const override { return false; }
  bool selectRow(int) override { return false; }
  bool selectColumn(int) override { return false; }
  bool unselectRow(int) override { return false; }
  bool unselectColumn(int) override { return false; }
  void modelChange(QAccessibleTableModelChangeEvent*) override {}
};
