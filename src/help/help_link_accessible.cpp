// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_link_accessible.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QTextCursor>
#include <QTimer>
#include <QWidget>
#include <QWindow>

namespace help {

HelpLinkAccessible::HelpLinkAccessible(QTextBrowser* browser, QString words, QUrl target)
    : browser_(browser), words_(std::move(words)), target_(std::move(target)) {}

QWindow* HelpLinkAccessible::window() const { return browser_ ? browser_->window()->windowHandle() : nullptr; }

QAccessibleInterface* HelpLinkAccessible::parent() const { return QAccessible::queryAccessibleInterface(browser_); }

QString HelpLinkAccessible::text(QAccessible::Text t) const {
  if (t == QAccessible::Name) return words_;
  if (t == QAccessible::Value) return target_.toString();
  return {};
}

QRect HelpLinkAccessible::rect() const {
  if (!browser_) return {};
  const QRect local = browser_->cursorRect();
  return QRect(browser_->viewport()->mapToGlobal(local.topLeft()), local.size());
}

QAccessible::State HelpLinkAccessible::state() const {
  QAccessible::State s;
  s.focusable = true;
  s.focused = browser_ && browser_->hasFocus();
  s.linked = true;
  return s;
}

void* HelpLinkAccessible::interface_cast(QAccessible::InterfaceType type) {
  return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this) : nullptr;
}

void HelpLinkAccessible::doAction(const QString& actionName) {
  if (actionName == pressAction() && browser_) browser_->setSource(browser_->source().resolved(target_));
}

namespace {

// Tab selects the next link inside the browser's own key handling, with no
// signal: after each Tab, and when the browser takes the focus, the link
// selected, if any, is told.
class SelectedLinkTeller : public QObject {
public:
  explicit SelectedLinkTeller(QTextBrowser* browser) : QObject(browser), browser_(browser) {
    browser->installEventFilter(this);
  }
  ~SelectedLinkTeller() override { Forget(); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool tab = event->type() == QEvent::KeyPress &&
                     (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab ||
                      static_cast<QKeyEvent*>(event)->key() == Qt::Key_Backtab);
    if (watched == browser_ && (tab || event->type() == QEvent::FocusIn))
      QTimer::singleShot(0, this, [this] { Tell(); });
    return QObject::eventFilter(watched, event);
  }

private:
  void Forget() {
    if (told_) QAccessible::deleteAccessibleInterface(told_);
    told_ = 0;
  }

  void Tell() {
    const QTextCursor cursor = browser_->textCursor();
    // The format at the cursor is that of the character before it, which
    // after Shift+Tab (the cursor at the link's start) lies outside the link:
    // the link's own is that before the selection's end.
    QTextCursor end = cursor;
    end.setPosition(cursor.selectionEnd());
    const QTextCharFormat format = end.charFormat();
    if (!QAccessible::isActive() || !browser_->hasFocus() || !cursor.hasSelection() || !format.isAnchor()) return;
    Forget(); // one link object at a time: the one selected last
    auto* link = new HelpLinkAccessible(browser_, cursor.selectedText().simplified(), QUrl(format.anchorHref()));
    told_ = QAccessible::registerAccessibleInterface(link);
    QAccessibleEvent focus(link, QAccessible::Focus);
    QAccessible::updateAccessibility(&focus);
  }

  QTextBrowser* browser_;
  QAccessible::Id told_ = 0;
};

} // namespace

void TellSelectedLinks(QTextBrowser* browser) { new SelectedLinkTeller(browser); }

void TellNewTopic(QTextBrowser* browser) {
  browser->setAccessibleName(QCoreApplication::translate("help", "Help topic: %1").arg(browser->documentTitle()));
  if (!QAccessible::isActive() || !browser->hasFocus()) return;
  QAccessibleEvent focus(browser, QAccessible::Focus);
  QAccessible::updateAccessibility(&focus);
}

} // namespace help
