// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options of the chart command: which chart, its year or date, its size
// and where the SVG goes.

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace cli {

enum class ChartKind { Daylight, Altitude };

// Pixels a chart may have on either side.
inline constexpr int kLeastChartSide = 200;
inline constexpr int kMostChartSide = 10000;

struct ChartOptions {
  ChartKind kind = ChartKind::Daylight;
  std::optional<int> year;   // daylight; this year when absent
  std::optional<QDate> date; // altitude; today when absent
  int width = 1200;          // pixels
  int height = 760;
  QString output = QStringLiteral("-"); // a file, or "-" for standard output
};

// "daylight" or "altitude"; throws CliError for anything else.
ChartKind ChartKindNamed(const QString& word);

// Reads the option when it is a chart option (value() fetches its value);
// false when it is not. Throws CliError for a bad value.
bool ReadChartOption(const QString& option, const std::function<QString(const char*)>& value, ChartOptions& options);

} // namespace cli
