// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A label that opens a link with the user's programs when clicked: blue,
// underlined, with a hand cursor. Without a target it is plain text.

#include <QDesktopServices>
#include <QLabel>
#include <QMouseEvent>
#include <QUrl>

namespace about {

class LinkLabel : public QLabel {
  Q_OBJECT
public:
  LinkLabel(const QString& text, const QUrl& target, QWidget* parent) : QLabel(text, parent), target_(target) {
    if (!isLink()) return;
    QFont linkFont = font();
    linkFont.setUnderline(true);
    setFont(linkFont);
    QPalette blue = palette();
    blue.setColor(QPalette::WindowText, Qt::blue);
    setPalette(blue);
    setCursor(Qt::PointingHandCursor);
    setToolTip(target_.toString());
  }

  bool isLink() const { return target_.isValid() && !target_.isEmpty(); }
  const QUrl& target() const { return target_; }

protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (isLink() && event->button() == Qt::LeftButton) QDesktopServices::openUrl(target_);
    QLabel::mousePressEvent(event);
  }

private:
  QUrl target_;
};

} // namespace about
