// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A chart's scene on a QPainter: the same items the SVG file holds, drawn
// the same way, for the screen, the PNG image, the clipboard and the print.

#include "charts/chart_scene.h"

#include <QByteArray>
#include <QImage>

class QPainter;

namespace charts_window {

// Draws the scene at the painter's origin in the scene's own pixels.
void PaintScene(QPainter& painter, const charts::Scene& scene);

// The scene drawn on an opaque image of its size.
QImage SceneImage(const charts::Scene& scene);

// That image as PNG bytes.
QByteArray PngOf(const charts::Scene& scene);

} // namespace charts_window
