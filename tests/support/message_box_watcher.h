// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Answers the message boxes that appear while it is alive, as a user would:
// a timer finds the open box, notes its title, text and icon and presses the
// next answer (OK when none is left). The code under test runs its real modal
// loop.

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <deque>
#include <vector>

class MessageBoxWatcher {
public:
  struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon;
  };

  explicit MessageBoxWatcher(std::deque<QMessageBox::StandardButton> answers = {}) : answers_(std::move(answers)) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { Answer(); });
    timer_.start(5);
  }

  const std::vector<Seen>& seen() const { return seen_; }

private:
  void Answer() {
    auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
    if (!box || !box->isVisible()) return;
    seen_.push_back({box->windowTitle(), box->text(), box->icon()});
    QMessageBox::StandardButton answer = QMessageBox::Ok;
    if (!answers_.empty()) {
      answer = answers_.front();
      answers_.pop_front();
    }
    if (QAbstractButton* button = box->button(answer)) {
      button->click();
    } else {
      box->reject();
    }
  }

  std::deque<QMessageBox::StandardButton> answers_;
  std::vector<Seen> seen_;
  QTimer timer_;
};
