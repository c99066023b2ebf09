// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_painter.h"

#include <QBuffer>
#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>

namespace charts_window {
namespace {

QColor Colour(charts::Rgb rgb) { return QColor::fromRgb(static_cast<QRgb>(rgb)); }

QPen Pen(charts::Rgb rgb, double width, double dash) {
  QPen pen(Colour(rgb), width, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin);
  if (dash > 0.0) pen.setDashPattern({dash / width, dash / width}); // Qt counts dashes in pen widths
  return pen;
}

class Painter {
public:
  explicit Painter(QPainter& p) : p_(p) {}

  void operator()(const charts::Fill& f) {
    // Bands meet edge to edge: smoothing would leave hairlines between them.
    p_.setRenderHint(QPainter::Antialiasing, !f.band);
    p_.fillRect(f.rect, Colour(f.colour));
    p_.setRenderHint(QPainter::Antialiasing, true);
  }

  void operator()(const charts::Stroke& s) {
    const QPolygonF line(QList<QPointF>(s.points.begin(), s.points.end()));
    p_.setBrush(Qt::NoBrush);
    if (s.haloWidth > 0.0) {
      p_.setPen(Pen(s.halo, s.width + s.haloWidth, 0.0));
      p_.drawPolyline(line);
    }
    p_.setPen(Pen(s.colour, s.width, s.dash));
    p_.drawPolyline(line);
  }

  void operator()(const charts::Dot& d) {
    p_.setPen(QPen(Colour(d.outline), 1.0));
    p_.setBrush(Colour(d.fill));
    p_.drawEllipse(d.centre, d.radius, d.radius);
  }

  void operator()(const charts::Label& l) {
    QFont font(QStringLiteral("sans-serif"));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(l.size))));
    font.setBold(l.bold);
    const double width = QFontMetricsF(font).horizontalAdvance(l.text);
    const double shift = l.anchor == charts::Anchor::Start ? 0.0 : l.anchor == charts::Anchor::Middle ? width / 2 : width;
    const QPointF at(l.at.x() - shift, l.at.y());
    if (l.haloWidth > 0.0) {
      QPainterPath path;
      path.addText(at, font, l.text);
      p_.strokePath(path, QPen(Colour(l.halo), l.haloWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    }
    // The letters as text, so that a PDF print can be searched and read out.
    p_.setFont(font);
    p_.setPen(Colour(l.colour));
    p_.drawText(at, l.text);
  }

private:
  QPainter& p_;
};

} // namespace

void PaintScene(QPainter& painter, const charts::Scene& scene) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(QRectF(QPointF(0, 0), scene.size), Colour(scene.background));
  Painter draw(painter);
  for (const charts::Item& item : scene.items) std::visit(draw, item);
  painter.restore();
}

QImage SceneImage(const charts::Scene& scene) {
  QImage image(scene.size.toSize(), QImage::Format_RGB32);
  image.fill(Colour(scene.background));
  QPainter painter(&image);
  PaintScene(painter, scene);
  return image;
}

QByteArray PngOf(const charts::Scene& scene) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  SceneImage(scene).save(&buffer, "PNG");
  return bytes;
}

} // namespace charts_window
