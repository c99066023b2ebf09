// SPDX-License-Identifier: GPL-3.0-or-later
#include "help_window.h"

#include "help_key.h"
#include "help_link_accessible.h"
#include "help_topics.h"

#include <QAction>
#include <QPointer>
#include <QTextBrowser>
#include <QToolBar>

namespace help {
namespace {

QPointer<HelpWindow> theWindow;

const char kStyleSheet[] = "h1 { font-size: x-large; } h2 { font-size: large; margin-top: 12px; }"
                           "th { text-align: left; } p.nav { margin-top: 16px; }";

} // namespace

HelpWindow::HelpWindow(QWidget* parent) : QMainWindow(parent, Qt::Window) {
  setObjectName(QStringLiteral("frmHelp"));
  setWindowTitle(tr("Vesperon Help"));
  setAttribute(Qt::WA_QuitOnClose, false);
  setProperty(kHelpContextProperty, kContentsTopic); // not the topic of the window it belongs to

  browser_ = new QTextBrowser(this);
  browser_->setObjectName(QStringLiteral("helpBrowser"));
  browser_->setAccessibleName(tr("Help topic"));
  browser_->document()->setDefaultStyleSheet(QLatin1String(kStyleSheet));
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(true);
  // A caret the arrows move, so that the text is read line by line; Tab
  // still walks the links.
  browser_->setTextInteractionFlags(Qt::TextBrowserInteraction | Qt::TextSelectableByKeyboard);
  TellSelectedLinks(browser_);
  setCentralWidget(browser_);

  QToolBar* bar = addToolBar(tr("Navigation"));
  bar->setMovable(false);
  QAction* back = bar->addAction(tr("&Back"), browser_, &QTextBrowser::backward);
  back->setObjectName(QStringLiteral("helpBack"));
  back->setShortcut(QKeySequence::Back);
  back->setEnabled(false);
  QAction* forward = bar->addAction(tr("&Forward"), browser_, &QTextBrowser::forward);
  forward->setObjectName(QStringLiteral("helpForward"));
  forward->setShortcut(QKeySequence::Forward);
  forward->setEnabled(false);
  connect(browser_, &QTextBrowser::backwardAvailable, back, &QAction::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward, &QAction::setEnabled);
  bar->addSeparator();
  bar->addAction(tr("&Contents"), this, [this] { ShowPage(TopicUrl(kContentsTopic)); });
  bar->addAction(tr("&Index"), this, [this] { ShowPage(IndexUrl()); });
  // Every button of the bar is a Tab stop.
  for (QAction* action : bar->actions()) {
    QWidget* button = action->isSeparator() ? nullptr : bar->widgetForAction(action);
    if (button) button->setFocusPolicy(Qt::TabFocus);
  }
  // Escape closes the window, as it does a dialog.
  auto* close = new QAction(tr("Close"), this);
  close->setShortcut(Qt::Key_Escape);
  connect(close, &QAction::triggered, this, &QWidget::close);
  addAction(close);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    setWindowTitle(tr("Help: %1").arg(browser_->documentTitle()));
    TellNewTopic(browser_);
  });

  resize(560, 520);
}

void HelpWindow::ShowPage(const QUrl& page) {
  if (browser_->source() != page) browser_->setSource(page);
  show();
  if (isMinimized()) showNormal();
  raise();
  activateWindow();
}

HelpWindow* HelpWindow::Instance() { return theWindow; }

HelpWindow* HelpWindow::Open(QWidget* owner) {
  if (theWindow) return theWindow;
  // Belong to the outermost window, so that closing a dialog that asked for
  // help leaves the help open, and closing the program closes it.
  QWidget* root = owner ? owner->window() : nullptr;
  while (root && root->parentWidget()) root = root->parentWidget()->window();
  theWindow = new HelpWindow(root);
  return theWindow;
}

void ShowHelpTopic(QWidget* owner, int context) { HelpWindow::Open(owner)->ShowPage(TopicUrl(context)); }

void ShowHelpIndex(QWidget* owner) { HelpWindow::Open(owner)->ShowPage(IndexUrl()); }

} // namespace help
