// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window on paper: its image on one page, at the size it has on the
// screen.

#include <QImage>

class QPainter;
class QPrinter;

namespace main_window {

// Draws image at the printable area's top-left corner, scaled by the
// printer's resolution over the screen's (screenDpi, pixels per inch).
void PrintWindowImage(QPainter& painter, QPrinter& printer, const QImage& image, double screenDpi);

} // namespace main_window
