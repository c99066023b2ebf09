// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_chart_options.h"

#include "cli_arguments.h"
#include "cli_export_options.h"
#include "cli_output.h"

#include <QRegularExpression>

namespace cli {
namespace {

int Side(const QString& option, const QString& text) {
  bool ok = false;
  const int pixels = text.toInt(&ok);
  if (!ok || pixels < kLeastChartSide || pixels > kMostChartSide)
    throw CliError{QStringLiteral("%1 accepts a whole number of pixels from %2 to %3, not \"%4\".")
                       .arg(option)
                       .arg(kLeastChartSide)
                       .arg(kMostChartSide)
                       .arg(EchoedValue(text))};
  return pixels;
}

// A date whose next day the calendar still holds: the chart runs to its noon.
QDate ChartDate(const QString& option, const QString& text) {
  static const QRegularExpression shape(QStringLiteral("^\\d{4}-\\d{2}-\\d{2}$"));
  const QDate date = shape.match(text).hasMatch() ? QDate::fromString(text, Qt::ISODate) : QDate();
  if (!date.isValid() || date < QDate(1, 1, 1) || date > QDate(9999, 12, 30))
    throw CliError{QStringLiteral("%1 accepts a date YYYY-MM-DD from 0001-01-01 to 9999-12-30, not \"%2\".")
                       .arg(option, EchoedValue(text))};
  return date;
}

} // namespace

ChartKind ChartKindNamed(const QString& word) {
  if (word == QLatin1String("daylight")) return ChartKind::Daylight;
  if (word == QLatin1String("altitude")) return ChartKind::Altitude;
  throw CliError{QStringLiteral("chart needs daylight or altitude, not \"%1\".").arg(EchoedValue(word))};
}

bool ReadChartOption(const QString& option, const std::function<QString(const char*)>& value, ChartOptions& options) {
  const bool daylight = options.kind == ChartKind::Daylight;
  if (daylight && option == QLatin1String("--year")) {
    options.year = YearValue(option, value("a year from 1 to 9999"));
  } else if (!daylight && option == QLatin1String("--date")) {
    options.date = ChartDate(option, value("YYYY-MM-DD"));
  } else if (option == QLatin1String("--width")) {
    options.width = Side(option, value("pixels"));
  } else if (option == QLatin1String("--height")) {
    options.height = Side(option, value("pixels"));
  } else if (option == QLatin1String("--output")) {
    options.output = value("a file, or - for standard output");
    if (options.output.isEmpty())
      throw CliError{QStringLiteral("--output accepts a file name, or - for standard output, not \"\".")};
  } else if (option == QLatin1String("--format")) {
    const QString format = value("svg");
    if (format.compare(QLatin1String("svg"), Qt::CaseInsensitive) != 0)
      throw CliError{QStringLiteral("--format accepts svg (rsvg-convert makes a PNG image of it), not \"%1\".")
                         .arg(EchoedValue(format))};
  } else {
    return false;
  }
  return true;
}

} // namespace cli
