// SPDX-License-Identifier: GPL-3.0-or-later
#include "moon_disc.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace ui_helpers {
namespace {

// The figure inscribed in the box (left, top, right, bottom), whose right and
// bottom edges are exclusive. A 1-pixel pen draws the outline of a QRect one
// pixel past its width, so the QRect is one pixel narrower and lower than the
// box: the outline then covers exactly the box's pixels.
QRect Inscribed(int left, int top, int right, int bottom) {
  return QRect(left, top, right - left - 1, bottom - top - 1);
}

// The disc on a screen scaled past 100 %: drawn at the device's pixels, not
// enlarged from the 1x picture, its edges anti-aliased. Sizes are in logical
// pixels (the painter maps them to the device's); the figure is the 1x one.
void DrawSmoothDisc(QImage& bitmap, const QColor& moonColour, const QColor& background, float pct, bool litOnRight) {
  const qreal ratio = bitmap.devicePixelRatio();
  const qreal side = bitmap.width() / ratio;
  QPainter painter(&bitmap);
  painter.setRenderHint(QPainter::Antialiasing);
  painter.fillRect(QRectF(0, 0, side, side), background);

  const QRectF box(0, 0, side, side);
  QPainterPath disc;
  disc.addEllipse(box);
  painter.fillPath(disc, Qt::black);
  QPainterPath half;
  half.addRect(litOnRight ? QRectF(side / 2, 0, side / 2, side) : QRectF(0, 0, side / 2, side));
  // The terminator: a gibbous Moon widens the lit half, a crescent darkens it.
  const qreal e = side * std::fabs(static_cast<double>(pct)) * 0.01; // lit width along the equator
  QPainterPath terminator;
  terminator.addEllipse(QRectF(std::min(e, side - e), 0, std::fabs(side - 2 * e), side));
  const bool gibbous = std::fabs(pct) > 50.0f;
  const QPainterPath litHalf = disc.intersected(half);
  painter.fillPath(gibbous ? litHalf.united(terminator) : litHalf.subtracted(terminator), moonColour);

  // The outline, one logical pixel wide, inside the box as at 1x.
  painter.setPen(QPen(Qt::black, 1.0));
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(box.adjusted(0.5, 0.5, -0.5, -0.5));
}

} // namespace

QImage DiscImage(int side, qreal devicePixelRatio) {
  const int pixels = static_cast<int>(std::lround(side * devicePixelRatio));
  QImage image(pixels, pixels, QImage::Format_RGB32);
  image.setDevicePixelRatio(devicePixelRatio);
  image.fill(Qt::black);
  return image;
}

void DrawMoonDisc(QImage& bitmap, const QColor& moonColour, const QColor& background, float pct,
                  bool northernView) {
  // A sliver between 2 and 3 per cent would vanish in the outline: show 3.
  if (pct > 2.0f && pct < 3.0f) pct = 3.0f;
  if (pct > -3.0f && pct < -2.0f) pct = -3.0f;
  if (bitmap.devicePixelRatio() != 1.0) {
    DrawSmoothDisc(bitmap, moonColour, background, pct, (northernView ? pct : -pct) > 0.0f);
    return;
  }

  const int w = bitmap.width();
  QPainter painter(&bitmap);
  painter.fillRect(0, 0, w, w, background);

  // Width in pixels of the lit part along the equator (ties to even).
  const int e = static_cast<int>(std::nearbyint(std::fabs(w * static_cast<double>(pct) * 0.01)));
  const QRect disc = Inscribed(0, 0, w, w);

  painter.setPen(Qt::black);
  painter.setBrush(Qt::black);
  painter.drawEllipse(disc);

  // The lit half: right of the vertical diameter when the lit side faces East
  // as seen by the observer. It is the disc itself cut at the diameter, so its
  // curved edge lies on the outline; its straight edge is a black column that
  // leaves w / 2 pixels from the lit edge, outline included, as the terminator
  // does for every other phase.
  const bool litOnRight = (northernView ? pct : -pct) > 0.0f;
  const int diameter = litOnRight ? w - 1 - w / 2 : w / 2; // column
  painter.save();
  painter.setClipRect(litOnRight ? QRect(diameter, 0, w - diameter, w) : QRect(0, 0, diameter + 1, w));
  painter.setBrush(moonColour);
  painter.drawEllipse(disc);
  painter.drawLine(diameter, 0, diameter, w - 1);
  painter.restore();

  // Terminator: a gibbous Moon widens the lit half, a crescent darkens it.
  const bool gibbous = pct > 50.0f || pct < -50.0f;
  const QColor terminator = gibbous ? moonColour : QColor(Qt::black);
  painter.setPen(terminator);
  painter.setBrush(terminator);
  // At exactly half the ellipse has no width and nothing is drawn.
  if (e * 2 != w) painter.drawEllipse(Inscribed(std::min(e, w - e), 0, std::max(e, w - e), w));

  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(disc);
}

} // namespace ui_helpers
