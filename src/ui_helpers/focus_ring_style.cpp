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

bool HasFocus(const QStyleOption* option) { return option && option->state.testFlag(QStyle::State_HasFocus); }

// The colour around a control: that of the nearest ancestor that paints its
// background, which a control given the system's button colours (a combo box
// on a navy panel) does not carry in its own palette.
QColor Around(const QWidget* widget, const QStyleOption* option) {
  for (const QWidget* w = widget ? widget->parentWidget() : nullptr; w; w = w->parentWidget())
    if (w->autoFillBackground() || w->isWindow()) return w->palette().color(w->backgroundRole());
  return option->palette.color(QPalette::Window);
}

} // namespace

void DrawFocusRing(QPainter* painter, const QRect& area, const QColor& inside, const QColor& outside) {
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

void MakeHighlightReadable(QPalette& palette) {
  for (const auto group : {QPalette::Active, QPalette::Inactive}) {
    const QColor text = palette.color(group, QPalette::HighlightedText);
    const QColor base = palette.color(group, QPalette::Base);
    QColor highlight = palette.color(group, QPalette::Highlight);
    // Away from the text's lightness, in small steps, until both hold.
    const bool lightText = text.lightnessF() > highlight.lightnessF();
    for (int step = 0; step < 40 && (ContrastRatio(text, highlight) < 4.5 || ContrastRatio(highlight, base) < 3.0);
         ++step)
      highlight = lightText ? highlight.darker(105) : highlight.lighter(105);
    palette.setColor(group, QPalette::Highlight, highlight);
  }
}

void FocusRingStyle::polish(QPalette& palette) {
  QProxyStyle::polish(palette);
  MakeHighlightReadable(palette);
}

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
    DrawFocusRing(painter, option->rect, around, around);
    return;
  }
  QProxyStyle::drawPrimitive(element, option, painter, widget);
  if (element == PE_PanelLineEdit && HasFocus(option) && !qobject_cast<const QAbstractSpinBox*>(widget) &&
      !(widget && widget->parentWidget() && qobject_cast<const QComboBox*>(widget->parentWidget())))
    DrawFocusRing(painter, option->rect, option->palette.color(QPalette::Base), Around(widget, option));
}

void FocusRingStyle::drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                                 const QWidget* widget) const {
  QProxyStyle::drawControl(element, option, painter, widget);
  if (element == CE_PushButton && HasFocus(option))
    DrawFocusRing(painter, option->rect, option->palette.color(QPalette::Button), Around(widget, option));
}

void FocusRingStyle::drawComplexControl(ComplexControl control, const QStyleOptionComplex* option,
                                        QPainter* painter, const QWidget* widget) const {
  QProxyStyle::drawComplexControl(control, option, painter, widget);
  if ((control == CC_ComboBox || control == CC_SpinBox || control == CC_ToolButton) && HasFocus(option))
    DrawFocusRing(painter, option->rect, option->palette.color(QPalette::Button), Around(widget, option));
}

} // namespace ui_helpers
