// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A label that opens a link with the user's programs when clicked, or when
// Space or Enter is pressed while it has the focus (it is a tab stop and
// frames itself then): blue, underlined, with a hand cursor. Without a
// target it is plain text.

#include <QDesktopServices>
#include <QLabel>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>
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
    setFocusPolicy(Qt::TabFocus);
  }

  bool isLink() const { return target_.isValid() && !target_.isEmpty(); }
  const QUrl& target() const { return target_; }

protected:
  void mousePressEvent(QMouseEvent* event) override {
    if (isLink() && event->button() == Qt::LeftButton) QDesktopServices::openUrl(target_);
    QLabel::mousePressEvent(event);
  }
  void keyPressEvent(QKeyEvent* event) override {
    const int key = event->key();
    if (isLink() && (key == Qt::Key_Space || key == Qt::Key_Return || key == Qt::Key_Enter)) {
      QDesktopServices::openUrl(target_);
      return;
    }
    QLabel::keyPressEvent(event);
  }
  void paintEvent(QPaintEvent* event) override {
    QLabel::paintEvent(event);
    if (!hasFocus()) return;
    QPainter painter(this);
    QStyleOptionFocusRect option;
    option.initFrom(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
  }

private:
  QUrl target_;
};

} // namespace about
