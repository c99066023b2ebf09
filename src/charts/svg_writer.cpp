// SPDX-License-Identifier: GPL-3.0-or-later
#include "svg_writer.h"

#include <QStringList>
#include <QXmlStreamWriter>
#include <cmath>

namespace charts {
namespace {

// Hundredths of a pixel, without trailing zeros.
QString Number(double v) { return QString::number(std::round(v * 100.0) / 100.0, 'g', 12); }

QString Colour(Rgb rgb) { return QStringLiteral("#%1").arg(rgb, 6, 16, QLatin1Char('0')); }

QString Points(const std::vector<QPointF>& points) {
  QStringList pairs;
  for (const QPointF& p : points) pairs << Number(p.x()) + QLatin1Char(',') + Number(p.y());
  return pairs.join(QLatin1Char(' '));
}

class Writer {
public:
  explicit Writer(QByteArray& out) : xml_(&out) {}

  void Start(const Scene& scene) {
    xml_.setAutoFormatting(true);
    xml_.setAutoFormattingIndent(1);
    xml_.writeStartDocument();
    xml_.writeStartElement(QStringLiteral("svg"));
    xml_.writeDefaultNamespace(QStringLiteral("http://www.w3.org/2000/svg"));
    xml_.writeAttribute(QStringLiteral("version"), QStringLiteral("1.1"));
    xml_.writeAttribute(QStringLiteral("width"), Number(scene.size.width()));
    xml_.writeAttribute(QStringLiteral("height"), Number(scene.size.height()));
    xml_.writeAttribute(QStringLiteral("viewBox"),
                        QStringLiteral("0 0 %1 %2").arg(Number(scene.size.width()), Number(scene.size.height())));
    xml_.writeAttribute(QStringLiteral("font-family"), QStringLiteral("sans-serif"));
    xml_.writeTextElement(QStringLiteral("title"), scene.title);
    xml_.writeTextElement(QStringLiteral("desc"), scene.description);
    operator()(Fill{QRectF(QPointF(0, 0), scene.size), scene.background, true});
  }

  void End() {
    xml_.writeEndElement();
    xml_.writeEndDocument();
  }

  void operator()(const Fill& f) {
    xml_.writeEmptyElement(QStringLiteral("rect"));
    Attributes({{"x", Number(f.rect.x())},
                {"y", Number(f.rect.y())},
                {"width", Number(f.rect.width())},
                {"height", Number(f.rect.height())},
                {"fill", Colour(f.colour)}});
    if (f.band) xml_.writeAttribute(QStringLiteral("shape-rendering"), QStringLiteral("crispEdges"));
  }

  void operator()(const Stroke& s) {
    if (s.haloWidth > 0.0) Polyline(s.points, s.halo, s.width + s.haloWidth, 0.0);
    Polyline(s.points, s.colour, s.width, s.dash);
  }

  void operator()(const Dot& d) {
    xml_.writeEmptyElement(QStringLiteral("circle"));
    Attributes({{"cx", Number(d.centre.x())},
                {"cy", Number(d.centre.y())},
                {"r", Number(d.radius)},
                {"fill", Colour(d.fill)},
                {"stroke", Colour(d.outline)},
                {"stroke-width", QStringLiteral("1")}});
  }

  void operator()(const Label& l) {
    static const char* const anchors[] = {"start", "middle", "end"};
    xml_.writeStartElement(QStringLiteral("text"));
    Attributes({{"x", Number(l.at.x())},
                {"y", Number(l.at.y())},
                {"font-size", Number(l.size)},
                {"fill", Colour(l.colour)},
                {"text-anchor", QLatin1String(anchors[static_cast<int>(l.anchor)])}});
    if (l.bold) xml_.writeAttribute(QStringLiteral("font-weight"), QStringLiteral("bold"));
    if (l.haloWidth > 0.0)
      Attributes({{"stroke", Colour(l.halo)},
                  {"stroke-width", Number(l.haloWidth)},
                  {"stroke-linejoin", QStringLiteral("round")},
                  {"paint-order", QStringLiteral("stroke")}});
    xml_.writeCharacters(l.text);
    xml_.writeEndElement();
  }

private:
  void Attributes(std::initializer_list<std::pair<const char*, QString>> pairs) {
    for (const auto& [name, value] : pairs) xml_.writeAttribute(QLatin1String(name), value);
  }

  void Polyline(const std::vector<QPointF>& points, Rgb colour, double width, double dash) {
    xml_.writeEmptyElement(QStringLiteral("polyline"));
    Attributes({{"points", Points(points)},
                {"fill", QStringLiteral("none")},
                {"stroke", Colour(colour)},
                {"stroke-width", Number(width)},
                {"stroke-linejoin", QStringLiteral("round")}});
    if (dash > 0.0) xml_.writeAttribute(QStringLiteral("stroke-dasharray"), Number(dash) + QLatin1Char(' ') + Number(dash));
  }

  QXmlStreamWriter xml_;
};

} // namespace

QByteArray SvgOf(const Scene& scene) {
  QByteArray out;
  Writer writer(out);
  writer.Start(scene);
  for (const Item& item : scene.items) std::visit(writer, item);
  writer.End();
  return out;
}

} // namespace charts
