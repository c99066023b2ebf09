// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A box in the frame's text colour while a plain frame that takes the focus
// has it, so that the keyboard's place is always seen.

#include <QEvent>
#include <QFrame>

namespace settings {

class FocusOutline : public QObject {
public:
  explicit FocusOutline(QFrame* frame) : QObject(frame), frame_(frame) { frame->installEventFilter(this); }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (watched == frame_ && (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut))
      frame_->setFrameStyle(event->type() == QEvent::FocusIn ? QFrame::Box | QFrame::Plain : QFrame::NoFrame);
    return QObject::eventFilter(watched, event);
  }

private:
  QFrame* frame_;
};

} // namespace settings
