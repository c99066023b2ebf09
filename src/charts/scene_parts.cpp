// SPDX-License-Identifier: GPL-3.0-or-later
#include "scene_parts.h"

#include "chart_colours.h"

#include <QCoreApplication>
#include <algorithm>

namespace charts {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(charts)
};

constexpr double kSampleEms = 1.6; // a legend sample's width in text sizes
constexpr double kEntryGapEms = 1.2;

double EntryWidth(const LegendEntry& e, double size) {
  return size * (kSampleEms + 0.4) + TextWidth(e.text, size) + size * kEntryGapEms;
}

} // namespace

double TextSize(QSizeF size) { return std::clamp(std::min(size.width(), size.height()) / 42.0, 9.0, 18.0); }

double TextWidth(const QString& text, double size) { return 0.56 * size * static_cast<double>(text.size()); }

void AddTitles(Scene& scene, const QString& title, const QString& subtitle, double textSize) {
  const double middle = scene.size.width() / 2.0;
  scene.items.push_back(Text({middle, 1.6 * textSize}, title, 1.3 * textSize, Anchor::Middle, true));
  scene.items.push_back(Text({middle, 3.0 * textSize}, subtitle, textSize, Anchor::Middle));
}

Stroke Line(std::vector<QPointF> points, Rgb colour, double width, double dash, double haloWidth) {
  return Stroke{std::move(points), colour, width, dash, kPaper, haloWidth};
}

Stroke Outline(const QRectF& r) {
  return Line({r.topLeft(), r.topRight(), r.bottomRight(), r.bottomLeft(), r.topLeft()}, kInk, 1.0);
}

Label Text(QPointF at, const QString& text, double size, Anchor anchor, bool bold) {
  return Label{at, text, size, anchor, kInk, bold, kPaper, 0.0};
}

Label HaloText(QPointF at, const QString& text, double size, Anchor anchor) {
  return Label{at, text, size, anchor, kInk, false, kPaper, 0.3 * size};
}

double LabelRoom::Place(double x, Anchor anchor, double width, double size, double y, double step, double top,
                        double bottom) {
  const double left = anchor == Anchor::Start ? x : anchor == Anchor::Middle ? x - width / 2 : x - width;
  const auto box = [&](double baseline) { return QRectF(left, baseline - size, width, 1.2 * size); };
  const auto covers = [&](double baseline) {
    return std::any_of(taken_.begin(), taken_.end(), [&](const QRectF& r) { return r.intersects(box(baseline)); });
  };
  for (int tries = 0; tries < 4 && covers(y); ++tries) y += step;
  y = std::clamp(y, top, bottom);
  taken_.push_back(box(y));
  return y;
}

int LegendRows(const std::vector<LegendEntry>& entries, double left, double right, double textSize) {
  int rows = entries.empty() ? 0 : 1;
  double x = left;
  for (const LegendEntry& e : entries) {
    const double w = EntryWidth(e, textSize);
    if (x + w > right && x > left) {
      ++rows;
      x = left;
    }
    x += w;
  }
  return rows;
}

double AddLegend(Scene& scene, const std::vector<LegendEntry>& entries, double left, double right, double y,
                 double textSize) {
  double x = left;
  const double s = textSize;
  for (const LegendEntry& e : entries) {
    const double w = EntryWidth(e, s);
    if (x + w > right && x > left) {
      x = left;
      y += 1.6 * s;
    }
    const double middle = y - 0.35 * s;
    switch (e.sample) {
    case LegendEntry::Sample::Swatch:
      scene.items.push_back(Fill{QRectF(x, y - 0.9 * s, kSampleEms * s, 1.0 * s), e.colour, false});
      break;
    case LegendEntry::Sample::Line:
      scene.items.push_back(Line({{x, middle}, {x + kSampleEms * s, middle}}, e.colour, 0.22 * s, e.dash));
      break;
    case LegendEntry::Sample::Dot:
      scene.items.push_back(Dot{{x + 0.5 * kSampleEms * s, middle}, 0.4 * s, e.colour, kPaper});
      break;
    }
    scene.items.push_back(Text({x + (kSampleEms + 0.4) * s, y}, e.text, s));
    x += w;
  }
  return y;
}

std::vector<LegendEntry> SkyLegend() {
  const std::array<const char*, 5> names = {
      QT_TRANSLATE_NOOP("charts", "Night"), QT_TRANSLATE_NOOP("charts", "Astronomical twilight"),
      QT_TRANSLATE_NOOP("charts", "Nautical twilight"), QT_TRANSLATE_NOOP("charts", "Civil twilight"),
      QT_TRANSLATE_NOOP("charts", "Day")};
  std::vector<LegendEntry> entries;
  for (std::size_t i = 0; i < names.size(); ++i)
    entries.push_back({LegendEntry::Sample::Swatch, kSkyColours[i], Words::tr(names[i])});
  return entries;
}

} // namespace charts
