// SPDX-License-Identifier: GPL-3.0-or-later
#include "focus_ring_style.h"

#include <QAbstractSpinBox>
#include <QComboBox>
#include <QPainter>
#include <QStyleOption>
#include <algorithm>
#include <cmath>

namespace ui_helpers {
namespace {

double Luminance(const QColor& c) {
  const auto linear = [](double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

void DrawRing(QPainter* painter, QRect area, const QColor& inside, const QColor& outside) {
  painter->save();
  painter->setRenderHint(QPainter::Antialiasing, false);
  painter->setPen(Qt::NoPen);
  painter->setBrush(FocusRingColour(inside, outside));
  // Four bars, so the ring is exactly kFocusRingWidth pixels whatever the pen.
  const int w = kFocusRingWidth;
  painter->drawRect(area.left(), area.top(), area.width(), w);
  painter->drawRect(area.left(), area.bottom() - w + 1, area.width(), w);
  painter->drawRect(area.left(), area.top(), w, area.height());
  painter->drawRect(area.right() - w + 1, area.top(), w, area.height());
  painter->restore();
}

bool HasFocus(const QStyleOption* option) { return option && option->state.testFlag(QStyle::State_HasFocus); }

} // namespace

double ContrastRatio(const QColor& a, const QColor& b) {
  const double la = Luminance(a), lb = Luminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor FocusRingColour(const QColor& inside, const QColor& outside) {
  // A mid blue stands out from navy, black, white, grey and yellow alike; the
  // others serve colours chosen near it.
  static const QColor kCandidates[] = {QColor(0x2b, 0x79, 0xc2), Qt::black, Qt::white, QColor(0xff, 0x8c, 0x00)};
  const auto worst = [&](const QColor& c) { return std::min(ContrastRatio(c, inside), ContrastRatio(c, outside)); };
  return *std::max_element(std::begin(kCandidates), std::end(kCandidates),
                           [&](const QColor& a, const QColor& b) { return worst(a) < worst(b); });
}

void FocusRingStyle::drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                                   const QWidget* widget) const {
  // The focus frame of a radio button's or check box's caption, or of an
  // item: the ring, on the widget's own colour.
  if (element == PE_FrameFocusRect) {
    const QColor around = option->palette.color(QPalette::Window);
    DrawRing(painter, option->rect, around, around);
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element == PE_PanelLineEdit && HasFocus(option) && !qobject_cast<const QAbstractSpinBox*>(widget) &&
      !(widget && widget->parentWidget() && qobject_cast<const QComboBox*>(widget->parentWidget())))
    DrawRing(painter, option->rect, option->palette.color(QPalette::Base),
             option->palette.color(QPalette::Window));
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element == CE_PushButton && HasFocus(option))
    DrawRing(painter, option->rect, option->palette.color(QPalette::Button),
             option->palette.color(QPalette::Window));
}

void FocusRingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if ((control == CC_ComboBox || control == CC_SpinBox || control == CC_ToolButton) && HasFocus(option))
    DrawRing(painter, option->rect, option->palette.color(QPalette::Button),
             option->palette.color(QPalette::Window));
}

} // namespace ui_helpers
