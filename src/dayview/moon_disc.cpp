#include "moon_disc.h"

#include <QPainter>
#include <cmath>

namespace dayview {
namespace {

// The pixels a box (left, top, right, bottom) covers when the right and bottom
// edges are exclusive, as a QRect for outlines drawn with a 1-pixel pen.
QRect Inscribed(int left, int top, int right, int bottom) {
  return QRect(QPoint(left, top), QPoint(right - 1, bottom - 1));
}

} // namespace

void DrawMoonDisc(QImage& bitmap, const QColor& moonColour, const QColor& background, float pct,
                  bool northernView) {
  // A sliver between 2 and 3 per cent would vanish in the outline: show 3.
  if (pct > 2.0f && pct < 3.0f) pct = 3.0f;
  if (pct > -3.0f && pct < -2.0f) pct = -3.0f;

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
  // as seen by the observer.
  const float d = northernView ? pct : -pct;
  painter.setBrush(moonColour);
  constexpr int kQuarterTurn = 90 * 16; // QPainter angles are in 1/16 degree
  painter.drawChord(disc, kQuarterTurn, d > 0.0f ? -2 * kQuarterTurn : 2 * kQuarterTurn);

  // Terminator: a gibbous Moon widens the lit half, a crescent darkens it.
  const bool gibbous = pct > 50.0f || pct < -50.0f;
  const QColor terminator = gibbous ? moonColour : QColor(Qt::black);
  painter.setPen(terminator);
  painter.setBrush(terminator);
  painter.drawEllipse(Inscribed(std::min(e, w - e), 0, std::max(e, w - e), w));

  painter.setPen(Qt::black);
  painter.setBrush(Qt::NoBrush);
  painter.drawEllipse(disc);
}

} // namespace dayview
