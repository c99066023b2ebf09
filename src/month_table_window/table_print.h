// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table on paper: the formatted print with its own page layout, and
// the plain fixed-width text in Courier. Both draw on an open painter over a
// printer; every length is in the printer's device pixels.

#include "month/month_table.h"

#include <QString>
#include <QStringList>

class QPainter;
class QPrinter;

namespace month_table_window {

struct PrettyPrintInputs {
  const month::MonthTable& table;
  QStringList titleBlock; // the four lines above the table
  QString faceName;       // the table font's face; sizes are fixed at 12 and 10 points
  QString sampleTime;     // ListTime of 0.99 day, the width of a time column
};

// Title block centred at the top margin (2/23 of the page height), "Sun" and
// "Moon", the column labels and a rule, then the rows right-aligned at their
// columns' right edges. A row that ends below the bottom margin is followed by
// a new page, which continues at the top margin without headings.
void PrettyPrint(QPainter& painter, QPrinter& printer, const PrettyPrintInputs& in);

// An empty line, then every line behind three blanks, in Courier 10 point,
// from the top of the printable area; a new page when the next line would not
// fit.
void QuickPrint(QPainter& painter, QPrinter& printer, const QStringList& lines);

} // namespace month_table_window
