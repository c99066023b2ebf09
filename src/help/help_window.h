// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The help window: one browser over the compiled-in topics with Back,
// Forward, Contents and Index. The program has one help window; asking for a
// topic shows it there and brings the window to the front.

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;

namespace help {

class HelpWindow : public QMainWindow {
  Q_OBJECT
public:
  explicit HelpWindow(QWidget* parent = nullptr);

  void ShowPage(const QUrl& page);
  QTextBrowser* browser() const { return browser_; }

  // The program's help window, created on first use as a window of `owner`'s
  // top-level window (so it closes with the program); null before that.
  static HelpWindow* Instance();
  static HelpWindow* Open(QWidget* owner);

private:
  QTextBrowser* browser_ = nullptr;
};

// Shows the topic of a context number, or the keyword index.
void ShowHelpTopic(QWidget* owner, int context);
void ShowHelpIndex(QWidget* owner);

} // namespace help
