// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour_well_accessible.h"

#include "palette_grid.h"
#include "ui_helpers/childless_accessible.h"

#include <QColorDialog>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>

namespace colours {
namespace {

bool IsWell(const QObject* object) {
  return object->inherits("QtPrivate::QWellArray") || object->inherits("QWellArray");
}

class WellCellAccessible : public ChildlessAccessible, public QAccessibleTableCellInterface {
public:
  WellCellAccessible(QWidget* well, int row, int column) : well_(well), row_(row), column_(column) {}

  bool isValid() const override { return !well_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return well_ ? well_->window()->windowHandle() : nullptr; }
  QAccessibleInterface* parent() const override { return QAccessible::queryAccessibleInterface(well_); }
  QString text(QAccessible::Text t) const override {
    auto* well = static_cast<ColourWellAccessible*>(table());
    return t == QAccessible::Name && well ? SpokenColourName(well->colourAt(row_, column_)) : QString();
  }
  QRect rect() const override {
    if (!well_) return {};
    const int w = well_->width() / 8, h = well_->height() / static_cast<ColourWellAccessible*>(table())->rowCount();
    return QRect(well_->mapToGlobal(QPoint(column_ * w, row_ * h)), QSize(w, h));
  }
  QAccessible::Role role() const override { return QAccessible::Cell; }
  QAccessible::State state() const override {
    QAccessible::State s;
    s.focusable = true;
    s.selectable = true;
    const ColourWellFollower* follower = well_ ? well_->findChild<ColourWellFollower*>() : nullptr;
    s.focused = follower && well_->hasFocus() && follower->row() == row_ && follower->column() == column_;
    return s;
  }
  void* interface_cast(QAccessible::InterfaceType type) override {
    return type == QAccessible::TableCellInterface ? static_cast<QAccessibleTableCellInterface*>(this) : nullptr;
  }

  bool isSelected() const override { return false; }
  QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
  QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
  int columnIndex() const override { return column_; }
  int rowIndex() const override { return row_; }
  int columnExtent() const override { return 1; }
  int rowExtent() const override { return 1; }
  QAccessibleInterface* table() const override { return QAccessible::queryAccessibleInterface(well_); }

private:
  QPointer<QWidget> well_;
  int row_, column_;
};

QAccessibleInterface* ColourWellFactory(const QString&, QObject* object) {
  auto* well = qobject_cast<QWidget*>(object);
  auto* dialog = well ? qobject_cast<QColorDialog*>(well->window()) : nullptr;
  if (!dialog || !IsWell(object)) return nullptr;
  QList<QWidget*> wells;
  for (QWidget* w : dialog->findChildren<QWidget*>())
    if (IsWell(w)) wells << w;
  if (!well->findChild<ColourWellFollower*>()) new ColourWellFollower(well);
  return new ColourWellAccessible(well, wells.indexOf(well) > 0);
}

} // namespace

ColourWellFollower::ColourWellFollower(QWidget* well) : QObject(well), well_(well) {
  // The dialog's own signal, named as it has it.
  connect(well, SIGNAL(currentChanged(int, int)), this, SLOT(Follow(int, int)));
  well->installEventFilter(this);
}

bool ColourWellFollower::eventFilter(QObject* watched, QEvent* event) {
  // Taking the focus, the well is told first: its cell after it.
  if (watched == well_ && event->type() == QEvent::FocusIn)
    QTimer::singleShot(0, this, [this] { Follow(row_, column_); });
  return QObject::eventFilter(watched, event);
}

void ColourWellFollower::Follow(int row, int column) {
  row_ = row;
  column_ = column;
  if (!QAccessible::isActive() || !well_->hasFocus()) return;
  QAccessibleInterface* table = QAccessible::queryAccessibleInterface(well_);
  QAccessibleTableInterface* cells = table ? table->tableInterface() : nullptr;
  if (QAccessibleInterface* cell = cells ? cells->cellAt(row, column) : nullptr) {
    QAccessibleEvent focus(cell, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }
}

ColourWellAccessible::ColourWellAccessible(QWidget* well, bool custom)
    : QAccessibleWidget(well, QAccessible::Table), custom_(custom) {}

ColourWellAccessible::~ColourWellAccessible() {
  for (const auto& [index, id] : cells_) QAccessible::deleteAccessibleInterface(id);
}

void* ColourWellAccessible::interface_cast(QAccessible::InterfaceType type) {
  if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
  return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* ColourWellAccessible::child(int index) const {
  if (index < 0 || index >= childCount()) return nullptr;
  auto found = cells_.find(index);
  if (found == cells_.end()) {
    auto* cell = new WellCellAccessible(widget(), index / columnCount(), index % columnCount());
    found = cells_.emplace(index, QAccessible::registerAccessibleInterface(cell)).first;
  }
  return QAccessible::accessibleInterface(found->second);
}

int ColourWellAccessible::indexOfChild(const QAccessibleInterface* child) const {
  for (const auto& [index, id] : cells_)
    if (QAccessible::accessibleInterface(id) == child) return index;
  return -1;
}

QAccessibleInterface* ColourWellAccessible::cellAt(int row, int column) const {
  return row < 0 || row >= rowCount() || column < 0 || column >= columnCount() ? nullptr
                                                                               : child(row * columnCount() + column);
}

QColor ColourWellAccessible::colourAt(int row, int column) const {
  const int index = row + column * rowCount();
  return custom_ ? QColorDialog::customColor(index) : QColorDialog::standardColor(index);
}

void InstallColourWellReading() {
  static const bool installed = [] {
    QAccessible::installFactory(ColourWellFactory);
    return true;
  }();
  (void)installed;
}

} // namespace colours
