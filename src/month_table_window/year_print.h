// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The one-year table on one landscape page: its fixed-width lines in a
// monospaced face, sized so that the widest line and all the lines fit.

#include <QStringList>

class QPainter;
class QPrinter;

namespace month_table_window {

void PrintYearLines(QPainter& painter, QPrinter& printer, const QStringList& lines);

} // namespace month_table_window
