// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table as plain text, in the three copy modes of the window: fixed
// width with a title block and headings, or bare rows delimited by tabs or
// commas. The same lines feed the clipboard, the prints and the command line.

#include "month_table.h"
#include "settings/settings_values.h"

#include <QString>
#include <QStringList>

namespace month {

// The short date of 29 December 1999, the width reference of the date column.
QString SampleDate();

// The text with blanks in front until its length reaches (length + width) / 2;
// a longer text is returned as it is. No blanks are added at the end.
QString CenterText(const QString& text, int width);

// What the copy reads besides the table itself: the location and twilight
// kind the table was built for and the window's sample date.
struct CopyContext {
  settings::SiteLocation location;
  int Twilight = 2;
  QString sampleDate = SampleDate();
};

// Without the header: the four title-block lines alone. With it: the title
// block centred, a blank line, the two heading lines, a blank line and one
// fixed-width line per row (a separator row gives a line of blanks).
QStringList MakeListText(const MonthTable& table, const CopyContext& context, bool withHeader);

// One line per row, ten fields joined by the delimiter; a separator row gives
// nine delimiters. A field holding the delimiter, a double quote or a line
// break is quoted CSV-style (inner quotes doubled), so every line splits into
// exactly ten fields.
QStringList DelimitedLines(const MonthTable& table, QChar delimiter);

// The lines of the copy mode (CMode): 0 or less the text with header,
// 1 tab delimited, other values comma delimited.
QStringList CopyLines(const MonthTable& table, const CopyContext& context, int cMode);

enum class LineEnd { CrLf, Lf };

// Every line followed by the line end, the last one included: CR LF for the
// clipboard, LF for the command line.
QString JoinLines(const QStringList& lines, LineEnd lineEnd);

} // namespace month
