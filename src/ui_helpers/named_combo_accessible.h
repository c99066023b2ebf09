// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A drop-down list named by its caption. Qt's own reading of a combo box on
// Linux takes its shown entry as its name, so a list of time zones would be
// read "-1"; this one is read by the name given to it, with the entry as its
// value, its list as its child (with the shown entry as the list's selected
// item, open or not) and opening the list as its action.

#include <QAccessibleWidget>

class QComboBox;

namespace ui_helpers {

class NamedComboAccessible : public QAccessibleWidget {
public:
  explicit NamedComboAccessible(QComboBox* combo);
  QString text(QAccessible::Text t) const override;
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;

private:
  QComboBox* combo() const;
};

// Reads every combo box as a NamedComboAccessible; installed once, by the
// first caller, before the combo boxes are made.
void InstallNamedComboReading();

} // namespace ui_helpers
