// SPDX-License-Identifier: GPL-3.0-or-later
#include "copy_text.h"

#include "astro/display.h"
#include "title_block.h"

#include <QCoreApplication>
#include <QDate>

namespace month {
namespace {

// Character widths of the fixed-width text, after the date column.
constexpr int kTimeWidth = 7;
constexpr int kPercentWidth = 4;
constexpr int kTimeColumns = 8;
constexpr int kColumnsAfterDate = kTimeColumns * kTimeWidth + kPercentWidth; // 60
// The title block is centred over the date column and the 63 columns after it.
constexpr int kTitleWidthBeyondDate = 63;

const QChar kBlank(QLatin1Char(' '));

QString PadFront(const QString& text, int width) { return text.rightJustified(width, kBlank); }

QString FixedWidthLine(const TableRow& row, int dateWidth) {
  if (IsSeparatorRow(row)) return QString(dateWidth + kColumnsAfterDate, kBlank);
  QString line = PadFront(row[0], dateWidth);
  for (int column = 1; column <= kTimeColumns; ++column) {
    line += PadFront(row[static_cast<std::size_t>(column)], kTimeWidth);
  }
  return line + PadFront(row[kColumnCount - 1], kPercentWidth);
}

QString DelimitedField(const QString& cell, QChar delimiter) {
  const bool needsQuotes = cell.contains(delimiter) || cell.contains(QLatin1Char('"')) ||
                           cell.contains(QLatin1Char('\n')) || cell.contains(QLatin1Char('\r'));
  if (!needsQuotes) return cell;
  QString quoted = cell;
  quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString SampleDate() { return astro::ShortDateText(astro::DateTimeOfDate(QDate(1999, 12, 29))); }

QString CenterText(const QString& text, int width) {
  const qsizetype target = (text.size() + width) / 2;
  return text.size() >= target ? text : PadFront(text, static_cast<int>(target));
}

QStringList MakeListText(const MonthTable& table, const CopyContext& context, bool withHeader) {
  QStringList lines = TitleBlock(table.ListTitle, table.TimeTypeName, context.location, context.Twilight);
  if (!withHeader) return lines;

  const int sampleLength = static_cast<int>(context.sampleDate.size());
  const int dateWidth = sampleLength + 1;
  for (QString& line : lines) line = CenterText(line, sampleLength + kTitleWidthBeyondDate);
  //: Fixed-width text: "Sun" over the third 7-character time column (the Sun's transit), "Moon" over the seventh.
  const QString bodies = QCoreApplication::translate("month", "                 Sun                         Moon");
  //: Fixed-width text, ending in the blank before the first time column.
  const QString date = QCoreApplication::translate("month", "Date ");
  //: Fixed-width text: eight time columns of 7 characters, then the Moon's illuminated percent in 4.
  const QString columns =
      QCoreApplication::translate("month", "   Twi.  Rise  Transit  Set    Twi.  Rise  Transit  Set    %");
  lines << QStringLiteral(" ") << PadFront(QStringLiteral("     "), dateWidth) + bodies
        << PadFront(date, dateWidth) + columns << QStringLiteral(" ");
  for (const TableRow& row : table.rows) lines << FixedWidthLine(row, dateWidth);
  return lines;
}

QStringList DelimitedLines(const MonthTable& table, QChar delimiter) {
  QStringList lines;
  for (const TableRow& row : table.rows) {
    QStringList fields;
    for (const QString& cell : row) fields << DelimitedField(cell, delimiter);
    lines << fields.join(delimiter);
  }
  return lines;
}

QStringList CopyLines(const MonthTable& table, const CopyContext& context, int cMode) {
  if (cMode <= 0) return MakeListText(table, context, true);
  return DelimitedLines(table, cMode == 1 ? QLatin1Char('\t') : QLatin1Char(','));
}

QString JoinLines(const QStringList& lines, LineEnd lineEnd) {
  const QString end = lineEnd == LineEnd::CrLf ? QStringLiteral("\r\n") : QStringLiteral("\n");
  QString text;
  for (const QString& line : lines) text += line + end;
  return text;
}

} // namespace month
