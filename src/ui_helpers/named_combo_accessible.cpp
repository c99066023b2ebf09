// SPDX-License-Identifier: GPL-3.0-or-later
#include "named_combo_accessible.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QItemSelectionModel>
#include <QLineEdit>

namespace ui_helpers {
namespace {

// The list's selection follows the shown entry even while the list is
// closed (Qt selects it only on opening), so the list tells its selected
// item whenever it is read.
void SelectShownEntry(QComboBox* combo) {
  QItemSelectionModel* selection = combo->view()->selectionModel();
  const QModelIndex shown = combo->model()->index(combo->currentIndex(), combo->modelColumn(), combo->rootModelIndex());
  if (selection && shown.isValid() && selection->currentIndex() != shown)
    selection->setCurrentIndex(shown, QItemSelectionModel::ClearAndSelect);
}

QAccessibleInterface* NamedComboFactory(const QString& className, QObject* object) {
  // QFontComboBox and the like are asked for by their own class first, which
  // Qt does not read: they come here as combo boxes.
  auto* combo = qobject_cast<QComboBox*>(object);
  if (className != QLatin1String("QComboBox") || !combo) return nullptr;
  SelectShownEntry(combo);
  QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [combo] { SelectShownEntry(combo); });
  return new NamedComboAccessible(combo);
}

} // namespace

NamedComboAccessible::NamedComboAccessible(QComboBox* combo) : QAccessibleWidget(combo, QAccessible::ComboBox) {
  addControllingSignal(QStringLiteral("activated(int)"));
}

QComboBox* NamedComboAccessible::combo() const { return static_cast<QComboBox*>(widget()); }

QString NamedComboAccessible::text(QAccessible::Text t) const {
  // Without a name of its own, the entry it shows names it, as before.
  if (t == QAccessible::Name && !widget()->accessibleName().isEmpty()) return widget()->accessibleName();
  if (t == QAccessible::Name) return text(QAccessible::Value);
  if (t == QAccessible::Value) return combo()->isEditable() ? combo()->lineEdit()->text() : combo()->currentText();
  return QAccessibleWidget::text(t);
}

// The open list is the one child.
int NamedComboAccessible::childCount() const { return 1; }

QAccessibleInterface* NamedComboAccessible::child(int index) const {
  return index == 0 ? QAccessible::queryAccessibleInterface(combo()->view()) : nullptr;
}

int NamedComboAccessible::indexOfChild(const QAccessibleInterface* child) const {
  return child && child->object() == combo()->view() ? 0 : -1;
}

QStringList NamedComboAccessible::actionNames() const { return {showMenuAction()}; }

void NamedComboAccessible::doAction(const QString& actionName) {
  if (actionName == showMenuAction()) combo()->showPopup();
}

void InstallNamedComboReading() {
  static const bool installed = [] {
    QAccessible::installFactory(NamedComboFactory);
    return true;
  }();
  (void)installed;
}

} // namespace ui_helpers
