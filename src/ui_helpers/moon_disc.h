// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Moon's phase as a drawn disc: the lit part in the moon colour, the dark
// part black, the terminator an ellipse.

#include <QColor>
#include <QImage>

namespace ui_helpers {

// Draws the disc into `bitmap` (a square image; its width is the disc's size)
// for a signed illumination percent pct: magnitude 0 new .. 100 full, positive
// while the Moon waxes, negative while it wanes. With northernView the waxing
// Moon is lit on the right; seen from the south it is mirrored left to right.
void DrawMoonDisc(QImage& bitmap, const QColor& moonColour, const QColor& background, float pct,
                  bool northernView);

} // namespace ui_helpers
