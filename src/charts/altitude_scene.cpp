// SPDX-License-Identifier: GPL-3.0-or-later
#include "altitude_scene.h"

#include "astro/rise_transit_set.h"
#include "chart_colours.h"
#include "chart_summary.h"
#include "daylight_chart.h"
#include "scene_parts.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

namespace charts {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(charts)
};

constexpr double kTopDegrees = 90.0, kBottomDegrees = -90.0;

struct Frame {
  QRectF plot;
  double X(double hour) const { return plot.left() + (hour - kFirstHour) * plot.width() / (kLastHour - kFirstHour); }
  double Y(double degrees) const {
    return plot.top() + (kTopDegrees - degrees) * plot.height() / (kTopDegrees - kBottomDegrees);
  }
};

std::vector<LegendEntry> Legend() {
  std::vector<LegendEntry> entries = SkyLegend();
  entries.push_back({LegendEntry::Sample::Line, kSunColour, Words::tr("Sun")});
  entries.push_back({LegendEntry::Sample::Line, kMoonColour, Words::tr("Moon"), 4.0});
  return entries;
}

// The sky's bands by the Sun's altitude: above the horizon, then civil,
// nautical and astronomical twilight, then night.
void AddBands(Scene& scene, const Frame& f) {
  const std::array<double, 6> edges = {kTopDegrees, astro::kSunriseAltitude, astro::TwilightAltitude(2),
                                       astro::TwilightAltitude(1), astro::TwilightAltitude(0), kBottomDegrees};
  for (std::size_t b = 0; b + 1 < edges.size(); ++b) {
    const double y0 = f.Y(edges[b]), y1 = f.Y(edges[b + 1]);
    scene.items.push_back(Fill{QRectF(f.plot.left(), y0, f.plot.width(), y1 - y0), kSkyColours[kDay - b], true});
  }
}

void AddGrid(Scene& scene, const AltitudeChart& chart, const Frame& f, double s) {
  for (const AxisTick& t : chart.altitudeTicks) {
    const double y = f.Y(t.value);
    scene.items.push_back(Line({{f.plot.left(), y}, {f.plot.right(), y}}, t.value == 0.0 ? kInk : kGrid,
                               t.value == 0.0 ? 1.5 : 0.6));
    scene.items.push_back(Text({f.plot.left() - 0.4 * s, y + 0.35 * s}, t.text, s, Anchor::End));
  }
  for (const AxisTick& t : chart.hourTicks) {
    const double x = f.X(t.value);
    scene.items.push_back(Line({{x, f.plot.top()}, {x, f.plot.bottom()}}, kGrid, 0.6));
    scene.items.push_back(Text({x, f.plot.bottom() + 1.3 * s}, t.text, s, Anchor::Middle));
  }
  scene.items.push_back(HaloText({f.plot.left() + 0.4 * s, f.Y(0.0) - 0.4 * s}, Words::tr("Horizon"), 0.85 * s));
}

void AddCurve(Scene& scene, const std::vector<AltitudePoint>& points, const Frame& f, Rgb colour, double dash,
              double s) {
  std::vector<QPointF> line;
  for (const AltitudePoint& p : points) line.push_back({f.X(p.hour), f.Y(p.degrees)});
  scene.items.push_back(Line(std::move(line), colour, 0.22 * s, dash, 0.3 * s));
}

// Each event's dot on its curve and its name and time: the Sun's above the
// curve, the Moon's below, each moved on by a line while it would cover one
// placed before it.
void AddEvents(Scene& scene, const AltitudeChart& chart, const Frame& f, double s) {
  const double size = 0.85 * s;
  LabelRoom room;
  for (const AltitudeEvent& e : chart.events) {
    const QPointF at(f.X(e.hour), f.Y(e.degrees));
    const bool sun = e.body == Body::Sun;
    scene.items.push_back(Dot{at, 0.4 * s, sun ? kSunColour : kMoonColour, kPaper});
    const QString text = QStringLiteral("%1 %2").arg(e.name, e.time);
    const double half = 0.5 * TextWidth(text, size);
    const double x = std::clamp(at.x(), f.plot.left() + half + 0.3 * s, f.plot.right() - half - 0.3 * s);
    const double y = room.Place(x, Anchor::Middle, 2 * half, size, sun ? at.y() - 0.8 * s : at.y() + 1.5 * s,
                                sun ? -1.3 * size : 1.3 * size, f.plot.top() + s, f.plot.bottom() - 0.3 * s);
    scene.items.push_back(HaloText({x, y}, text, size, Anchor::Middle));
  }
}

} // namespace

Scene AltitudeScene(const AltitudeChart& chart, QSizeF size) {
  Scene scene{size, chart.title, AltitudeSummary(chart), kPaper, {}};
  const double s = TextSize(size);
  const std::vector<LegendEntry> legend = Legend();
  const double left = 3.6 * s, right = size.width() - 2.0 * s, top = 4.2 * s; // room for the last hour's label
  const double below = 2.0 * s + 1.6 * s * LegendRows(legend, left, right, s) + 0.4 * s;
  const Frame f{QRectF(left, top, right - left, std::max(size.height() - top - below, 1.0))};

  AddTitles(scene, chart.title, chart.subtitle, s);
  AddBands(scene, f);
  AddGrid(scene, chart, f, s);
  AddCurve(scene, chart.moon, f, kMoonColour, 0.35 * s, s);
  AddCurve(scene, chart.sun, f, kSunColour, 0.0, s);
  AddEvents(scene, chart, f, s);
  scene.items.push_back(Outline(f.plot));
  AddLegend(scene, legend, left, right, f.plot.bottom() + 3.0 * s, s);
  return scene;
}

} // namespace charts
