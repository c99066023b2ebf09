// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help text's links for assistive technology. Tab walks the links of a
// topic by selecting each in turn, which Qt tells no one; this tells each
// selected link as a focused link object of the browser, named by its words,
// whose press action follows it as Enter does.

#include "ui_helpers/childless_accessible.h"

#include <QAccessibleInterface>
#include <QPointer>
#include <QTextBrowser>

namespace help {

class HelpLinkAccessible : public ChildlessAccessible, public QAccessibleActionInterface {
public:
  HelpLinkAccessible(QTextBrowser* browser, QString words, QUrl target);

  bool isValid() const override { return !browser_.isNull(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override;
  QAccessibleInterface* parent() const override;
  QString text(QAccessible::Text t) const override;
  QRect rect() const override;
  QAccessible::Role role() const override { return QAccessible::Link; }
  QAccessible::State state() const override;
  void* interface_cast(QAccessible::InterfaceType type) override;

  QStringList actionNames() const override { return {pressAction()}; }
  void doAction(const QString& actionName) override;
  QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
  QPointer<QTextBrowser> browser_;
  QString words_;
  QUrl target_;
};

// Tells every link that Tab or Shift+Tab selects in the browser as focused.
void TellSelectedLinks(QTextBrowser* browser);

// Names the browser by the topic it shows ("Help topic: Sky Events") and,
// when it has the keyboard (a link followed with Enter), tells it as focused
// again, so the new topic is heard from its top.
void TellNewTopic(QTextBrowser* browser);

} // namespace help
