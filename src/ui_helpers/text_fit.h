// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Texts that must show whole in boxes laid out for a narrower font than the
// one the system substitutes: a box is widened where the layout leaves room,
// otherwise the text takes the largest font size that fits.

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QPushButton>
#include <QStringList>
#include <QStyle>
#include <QStyleOptionButton>
#include <QWidget>
#include <algorithm>
#include <initializer_list>

namespace ui_helpers {

// The font, made smaller a pixel at a time (never below 6 pixels) until every
// text is at most `room` pixels wide in it.
inline QFont FontToFit(QFont font, const QStringList& texts, int room) {
  const auto widest = [&texts](const QFont& f) {
    const QFontMetrics metrics(f);
    int width = 0;
    for (const QString& text : texts) width = std::max(width, metrics.horizontalAdvance(text));
    return width;
  };
  if (font.pixelSize() < 0) font.setPixelSize(QFontInfo(font).pixelSize());
  while (widest(font) > room && font.pixelSize() > 6) font.setPixelSize(font.pixelSize() - 1);
  return font;
}

// The width at which the button shows its text whole in its own font: the
// text and the style's frame and margins (without the style's wish for a
// wider button).
inline int ButtonWidthForText(const QPushButton& button) {
  QStyleOptionButton option;
  option.initFrom(&button);
  option.features = button.isDefault() || button.autoDefault() ? QStyleOptionButton::AutoDefaultButton
                                                                 : QStyleOptionButton::None;
  const QFontMetrics metrics(button.font());
  const QString text = QString(button.text()).remove(QLatin1Char('&'));
  return button.style()
      ->sizeFromContents(QStyle::CT_PushButton, &option, QSize(metrics.horizontalAdvance(text), metrics.height()),
                         &button)
      .width();
}

// The button widened (never narrowed) up to `widest` pixels to show its text
// whole; where that is not room enough, the text takes the largest font size
// that fits (never below 6 pixels).
inline void FitButtonText(QPushButton& button, int widest) {
  button.resize(std::clamp(ButtonWidthForText(button), button.width(), std::max(button.width(), widest)),
                button.height());
  QFont font = button.font();
  if (font.pixelSize() < 0) font.setPixelSize(QFontInfo(font).pixelSize());
  while (ButtonWidthForText(button) > button.width() && font.pixelSize() > 6) {
    font.setPixelSize(font.pixelSize() - 1);
    button.setFont(font);
  }
}

// Buttons stacked in one column made as wide as the longest caption needs
// (never narrower than the first one is), their right edges kept at most at
// `right`: the column grows to the left where the panel's edge is near.
inline void WidenButtonColumn(std::initializer_list<QPushButton*> buttons, int right) {
  QPushButton* first = *buttons.begin();
  int width = first->width();
  for (const QPushButton* b : buttons) width = std::max(width, ButtonWidthForText(*b));
  const int left = std::min(first->x(), right - width);
  for (QPushButton* b : buttons) b->setGeometry(left, b->y(), width, b->height());
}

// The width at which a window manager can draw the window's title whole: the
// title in the system's title font, bold as most draw it, beside the window's
// icon and its three buttons, each about a title bar high.
inline int WidthForTitle(const QWidget& window) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::TitleFont);
  font.setBold(true);
  const int titleBar = window.style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, &window);
  constexpr int kTitleBarItems = 4; // the icon and three buttons
  return QFontMetrics(font).horizontalAdvance(window.windowTitle()) + (kTitleBarItems + 1) * titleBar;
}

} // namespace ui_helpers
