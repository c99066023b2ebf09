// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A chart laid out for one size as plain drawing items in pixels, in the
// order they are drawn: the SVG writer and the window's painter both draw
// exactly these, so a file and the screen show one picture. Text is placed by
// its anchor and baseline only; nothing here measures a font.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <variant>
#include <vector>

namespace charts {

// 0xRRGGBB.
using Rgb = std::uint32_t;

// A filled rectangle; bands meet edge to edge, so they are drawn unsmoothed.
struct Fill {
  QRectF rect;
  Rgb colour = 0;
  bool band = false; // edge to edge with its neighbours: no smoothing
};

// A polyline (two points: a line), optionally dashed, optionally over a halo
// of `haloWidth` in `halo` that keeps it readable across light and dark bands.
struct Stroke {
  std::vector<QPointF> points;
  Rgb colour = 0;
  double width = 1.0;     // pixels
  double dash = 0.0;      // dash and gap length in pixels, 0 for a solid line
  Rgb halo = 0xffffff;
  double haloWidth = 0.0; // 0 for no halo
};

// A dot, filled and outlined.
struct Dot {
  QPointF centre;
  double radius = 3.0;
  Rgb fill = 0;
  Rgb outline = 0xffffff;
};

enum class Anchor { Start, Middle, End };

struct Label {
  QPointF at; // the baseline's anchor point
  QString text;
  double size = 12.0; // pixels
  Anchor anchor = Anchor::Start;
  Rgb colour = 0;
  bool bold = false;
  Rgb halo = 0xffffff;
  double haloWidth = 0.0; // an outline that keeps it readable on any band; 0 for none
};

using Item = std::variant<Fill, Stroke, Dot, Label>;

struct Scene {
  QSizeF size;
  QString title;       // the picture's name (SVG <title>)
  QString description; // what it shows, in words (SVG <desc>)
  Rgb background = 0xffffff;
  std::vector<Item> items;
};

} // namespace charts
