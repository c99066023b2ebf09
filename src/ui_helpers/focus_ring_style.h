// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard's place, always seen: over the program's style, every control
// that has the focus gets a ring two pixels wide over its edge, drawn
// whenever it has the focus (not only after a Tab), in whichever of a few
// colours stands out most from both the control's face inside the ring and
// the window's colour outside it (at least 3:1 for the program's colours).

#include <QProxyStyle>

namespace ui_helpers {

inline constexpr int kFocusRingWidth = 2; // pixels

// The WCAG 2 contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The ring's colour between a control's face and the colour around it.
QColor FocusRingColour(const QColor& inside, const QColor& outside);

class FocusRingStyle : public QProxyStyle {
public:
  using QProxyStyle::QProxyStyle;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;
};

} // namespace ui_helpers
