// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// How the painted day view appears to assistive technology: the canvas lists
// its painted rows and its child controls in the order they are shown, top to
// bottom; each row is a text item whose click commands are its actions; the
// moon box is an image described by the Moon's phase.

#include "ui_helpers/childless_accessible.h"

#include <QAccessibleInterface>
#include <QAccessibleWidget>
#include <QPointer>

namespace main_window {

class DayCanvas;
class MoonBox;

// A painted row of the canvas.
class CanvasRowAccessible : public ChildlessAccessible, public QAccessibleActionInterface {
public:
  CanvasRowAccessible(DayCanvas* canvas, int slot) : canvas_(canvas), slot_(slot) {}

  bool isValid() const override;
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::StaticText; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  QPointer<DayCanvas> canvas_;
  int slot_;
};

// The canvas: rows and child controls, sorted by where they are shown.
class DayCanvasAccessible : public QAccessibleWidget {
public:
  explicit DayCanvasAccessible(DayCanvas* canvas);
  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;

private:
  std::vector<QAccessibleInterface*> Children() const;
};

// The moon disc: an image whose name and description are the phase, with the
// two commands of its mouse buttons.
class MoonBoxAccessible : public QAccessibleWidget, public QAccessibleImageInterface {
public:
  explicit MoonBoxAccessible(MoonBox* box);
  void* interface_cast(QAccessible::InterfaceType type) override;
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
  QString imageDescription() const override;
  QSize imageSize() const override;
  QPoint imagePosition() const override;
};

// A status bar box: a label, named by what it is and shows, whose press
// action runs its click's command.
class StatusBoxAccessible : public QAccessibleWidget {
public:
  explicit StatusBoxAccessible(QWidget* box);
  QStringList actionNames() const override;
  void doAction(const QString& actionName) override;
};

// The names of the moon box's actions.
QString ShowHidePhasesAction();
QString ResizeMoonAction();

// For QAccessible::installFactory.
QAccessibleInterface* DayViewAccessibleFactory(const QString& className, QObject* object);

} // namespace main_window
