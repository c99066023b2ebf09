// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A chart's scene as an SVG 1.1 document (plain text, QtCore's XML writer):
// the picture the window paints, for files, for the command line and for
// rsvg-convert to make PNG images from.

#include "chart_scene.h"

#include <QByteArray>

namespace charts {

// UTF-8 SVG with the scene's title and description as <title> and <desc>.
QByteArray SvgOf(const Scene& scene);

} // namespace charts
