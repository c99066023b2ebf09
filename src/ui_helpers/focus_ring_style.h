// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The keyboard's place, always seen: over the program's style, every control
// that has the focus gets a ring two pixels wide over its edge, drawn
// whenever it has the focus (not only after a Tab), in whichever of a few
// colours stands out most from both the control's face inside the ring and
// the colour around the control outside it (at least 3:1 for the program's
// colours). The selection highlight is made readable (MakeHighlightReadable).

#include <QProxyStyle>

namespace ui_helpers {

inline constexpr int kFocusRingWidth = 2; // pixels

// The WCAG 2 contrast ratio of two colours, 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The ring's colour between a control's face and the colour around it.
QColor FocusRingColour(const QColor& inside, const QColor& outside);

// The ring, kFocusRingWidth pixels wide just inside `area`, in
// FocusRingColour(inside, outside).
void DrawFocusRing(QPainter* painter, const QRect& area, const QColor& inside, const QColor& outside);

// The highlight of selected items and menu entries made dark or light enough
// for its text (4.5:1) and against the lists' own colour (3:1), in each group.
void MakeHighlightReadable(QPalette& palette);

class FocusRingStyle : public QProxyStyle {
public:
  using QProxyStyle::QProxyStyle;

  using QProxyStyle::polish;
  void polish(QPalette& palette) override;

  void drawPrimitive(PrimitiveElement element, const QStyleOption* option, QPainter* painter,
                     const QWidget* widget) const override;
  void drawControl(ControlElement element, const QStyleOption* option, QPainter* painter,
                   const QWidget* widget) const override;
  void drawComplexControl(ComplexControl control, const QStyleOptionComplex* option, QPainter* painter,
                          const QWidget* widget) const override;
};

} // namespace ui_helpers
