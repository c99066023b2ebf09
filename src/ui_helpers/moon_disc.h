// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Moon's phase as a drawn disc: the lit part in the moon colour, the dark
// part black, the terminator an ellipse.

#include <QColor>
#include <QImage>

namespace ui_helpers {

// Draws the disc into `bitmap` (a square image; its width is the disc's size
// in device pixels). At a device pixel ratio of 1 each pixel is set whole, as
// it always was; at any other ratio (a screen scaled to 125, 150 or 200 %)
// the disc is drawn at the device's pixels with anti-aliased edges.
// for a signed illumination percent pct: magnitude 0 new .. 100 full, positive
// while the Moon waxes, negative while it wanes. With northernView the waxing
// Moon is lit on the right; seen from the south it is mirrored left to right.
// A black square image for DrawMoonDisc, `side` logical pixels wide at the
// given device pixel ratio.
QImage DiscImage(int side, qreal devicePixelRatio);

void DrawMoonDisc(QImage& bitmap, const QColor& moonColour, const QColor& background, float pct,
                  bool northernView);

} // namespace ui_helpers
