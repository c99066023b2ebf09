// SPDX-License-Identifier: GPL-3.0-or-later
#include "daylight_scene.h"

#include "chart_colours.h"
#include "chart_summary.h"
#include "scene_parts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace charts {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(charts)
};

// A jump of the Moon's time from one day to the next larger than this is its
// passage over midnight: the curve breaks there.
constexpr double kMostMoonStepHours = 3.0;

struct Frame {
  QRectF plot;
  int dayCount;
  double X(double day) const { return std::round(plot.left() + day * plot.width() / dayCount); }
  double Y(double hour) const { return plot.top() + hour * plot.height() / 24.0; }
};

std::vector<LegendEntry> Legend() {
  std::vector<LegendEntry> entries = SkyLegend();
  entries.push_back({LegendEntry::Sample::Line, kMoonriseColour, Words::tr("Moonrise")});
  entries.push_back({LegendEntry::Sample::Line, kMoonsetColour, Words::tr("Moonset"), 4.0});
  entries.push_back({LegendEntry::Sample::Line, kTodayColour, Words::tr("Today")});
  entries.push_back({LegendEntry::Sample::Line, kSeasonColour, Words::tr("Equinox, solstice"), 3.0});
  entries.push_back({LegendEntry::Sample::Dot, kEclipseColour, Words::tr("Eclipse")});
  return entries;
}

void AddBands(Scene& scene, const DaylightChart& chart, const Frame& f) {
  scene.items.push_back(Fill{f.plot, kSkyColours[kNight], true});
  for (int k = 0; k < kSunAltitudeCount; ++k) {
    for (int i = 0; i < f.dayCount; ++i) {
      const double x0 = f.X(i), x1 = f.X(i + 1);
      for (const HourSpan& span : chart.days[static_cast<std::size_t>(i)].above[static_cast<std::size_t>(k)])
        scene.items.push_back(
            Fill{QRectF(x0, f.Y(span.from), x1 - x0, f.Y(span.to) - f.Y(span.from)), kSkyColours[k + 1], true});
    }
  }
}

void AddGrid(Scene& scene, const DaylightChart& chart, const Frame& f, double s) {
  for (const AxisTick& t : chart.hourTicks) {
    if (t.value > 0.0 && t.value < 24.0)
      scene.items.push_back(Line({{f.plot.left(), f.Y(t.value)}, {f.plot.right(), f.Y(t.value)}}, kGrid, 0.6));
    scene.items.push_back(Text({f.plot.left() - 0.4 * s, f.Y(t.value) + 0.35 * s}, t.text, s, Anchor::End));
  }
  for (std::size_t m = 0; m < chart.monthTicks.size(); ++m) {
    const double first = chart.monthTicks[m].value;
    const double next = m + 1 < chart.monthTicks.size() ? chart.monthTicks[m + 1].value : f.dayCount;
    if (m > 0) scene.items.push_back(Line({{f.X(first), f.plot.top()}, {f.X(first), f.plot.bottom()}}, kGrid, 0.6));
    scene.items.push_back(
        Text({0.5 * (f.X(first) + f.X(next)), f.plot.bottom() + 1.3 * s}, chart.monthTicks[m].text, s, Anchor::Middle));
  }
}

// One curve per run of days whose times follow on from each other.
void AddMoonCurve(Scene& scene, const DaylightChart& chart, const Frame& f, bool rise, double s) {
  std::vector<QPointF> run;
  std::optional<double> before;
  const auto flush = [&] {
    if (run.size() > 1) scene.items.push_back(Line(run, rise ? kMoonriseColour : kMoonsetColour, 0.18 * s,
                                                   rise ? 0.0 : 0.3 * s, 0.25 * s));
    run.clear();
  };
  for (int i = 0; i < f.dayCount; ++i) {
    const DaylightDay& day = chart.days[static_cast<std::size_t>(i)];
    const std::optional<double> hour = rise ? day.moonrise : day.moonset;
    if (!hour || (before && std::fabs(*hour - *before) > kMostMoonStepHours)) flush();
    if (hour) run.push_back({0.5 * (f.X(i) + f.X(i + 1)), f.Y(*hour)});
    before = hour;
  }
  flush();
}

void AddPolarSpans(Scene& scene, const DaylightChart& chart, const Frame& f, double s) {
  for (const PolarSpan& p : chart.polar) {
    const QString text = p.midnightSun ? Words::tr("Midnight sun") : Words::tr("Polar night");
    const double x0 = f.X(p.first), x1 = f.X(p.last + 1);
    // The guess of the width is generous: a label a little wider than its span still reads.
    const double half = 0.5 * TextWidth(text, s);
    if (x1 - x0 < 1.6 * half) continue;
    const double middle = std::clamp(0.5 * (x0 + x1), f.plot.left() + half, f.plot.right() - half);
    scene.items.push_back(HaloText({middle, f.Y(12.0) + 0.35 * s}, text, s, Anchor::Middle));
  }
}

// A label beside x that stays inside the plot and clear of the labels before it.
Label MarkLabel(const Frame& f, LabelRoom& room, double x, double y, const QString& text, double s) {
  const double size = 0.85 * s, width = TextWidth(text, size);
  const bool leftward = x + 0.6 * s + width > f.plot.right();
  const double at = leftward ? x - 0.6 * s : x + 0.6 * s;
  const Anchor anchor = leftward ? Anchor::End : Anchor::Start;
  const double step = y > f.plot.center().y() ? -1.3 * size : 1.3 * size;
  return HaloText({at, room.Place(at, anchor, width, size, y, step, f.plot.top() + s, f.plot.bottom() - 0.3 * s)}, text,
                  size, anchor);
}

void AddMarks(Scene& scene, const DaylightChart& chart, const Frame& f, double s) {
  LabelRoom room;
  for (const YearMark& m : chart.marks) {
    const double x = f.X(m.day);
    switch (m.kind) {
    case MarkKind::Season:
      scene.items.push_back(Line({{x, f.plot.top()}, {x, f.plot.bottom()}}, kSeasonColour, 0.12 * s, 0.35 * s, 0.25 * s));
      // Close labels move down a line so that they do not meet.
      scene.items.push_back(MarkLabel(f, room, x, f.plot.top() + 1.2 * s, m.label, s));
      break;
    case MarkKind::Today:
      scene.items.push_back(Line({{x, f.plot.top()}, {x, f.plot.bottom()}}, kTodayColour, 0.16 * s, 0.0, 0.4 * s));
      scene.items.push_back(MarkLabel(f, room, x, f.plot.bottom() - 0.6 * s, m.label, s));
      break;
    case MarkKind::SolarEclipse:
    case MarkKind::LunarEclipse:
      scene.items.push_back(Dot{{x, f.Y(m.hour)}, 0.45 * s, kEclipseColour, kPaper});
      scene.items.push_back(MarkLabel(f, room, x, f.Y(m.hour) + 0.3 * s, m.label, s));
      break;
    }
  }
}

} // namespace

Scene DaylightScene(const DaylightChart& chart, QSizeF size) {
  Scene scene{size, chart.title, DaylightSummary(chart), kPaper, {}};
  const double s = TextSize(size);
  const std::vector<LegendEntry> legend = Legend();
  const double left = 5.2 * s, right = size.width() - 1.2 * s, top = 4.2 * s;
  const double below = 2.0 * s + 1.6 * s * LegendRows(legend, left, right, s) + 0.4 * s;
  const Frame f{QRectF(left, top, right - left, std::max(size.height() - top - below, 1.0)),
                static_cast<int>(chart.days.size())};

  AddTitles(scene, chart.title, chart.subtitle, s);
  AddBands(scene, chart, f);
  AddGrid(scene, chart, f, s);
  AddMoonCurve(scene, chart, f, true, s);
  AddMoonCurve(scene, chart, f, false, s);
  AddPolarSpans(scene, chart, f, s);
  AddMarks(scene, chart, f, s);
  scene.items.push_back(Outline(f.plot));
  AddLegend(scene, legend, left, right, f.plot.bottom() + 3.0 * s, s);
  return scene;
}

} // namespace charts
