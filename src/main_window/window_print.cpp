// SPDX-License-Identifier: GPL-3.0-or-later
#include "window_print.h"

#include <QPainter>
#include <QPrinter>
#include <cmath>

namespace main_window {

void PrintWindowImage(QPainter& painter, QPrinter& printer, const QImage& image, double screenDpi) {
  const double scale = printer.logicalDpiX() / screenDpi;
  const QRect target(0, 0, static_cast<int>(std::lround(image.width() * scale)),
                     static_cast<int>(std::lround(image.height() * scale)));
  painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
  painter.drawImage(target, image);
}

} // namespace main_window
