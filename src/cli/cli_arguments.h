// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The command line of vesperon-cli, parsed into a request or one error line.

#include "cli_chart_options.h"
#include "cli_export_options.h"

#include <QDate>
#include <QString>
#include <QStringList>
#include <optional>
#include <variant>

namespace cli {

enum class Command { Day, Month, Phases, Ics, Year, Events, Places, Chart, Help, Version };

// A location given by numbers on the command line.
struct CustomSite {
  float latitude = 0.0f;  // degrees, North positive
  float longitude = 0.0f; // degrees, West positive
  float zone = 0.0f;      // hours of standard time, West positive
  QString name = QStringLiteral("Custom");
  QString zoneId;         // --tz: the IANA zone of the place's clocks; empty when not given
};

struct CliRequest {
  Command command = Command::Help;

  // Where: a record of the location file, numbers, or (neither) the stored site.
  std::optional<QString> locationName;
  std::optional<CustomSite> site;

  // Options left empty take the stored settings.
  std::optional<int> timeType;   // 0 standard, 1 daylight, 2 Universal Time, 3 local time
  std::optional<int> clock;      // TFormat: 0 twelve-hour, 1 twenty-four-hour
  bool seconds = false;
  std::optional<int> twilight;   // 0 astronomical, 1 nautical, 2 civil
  std::optional<bool> transit;
  std::optional<bool> azimuth;
  std::optional<bool> sundayStart;

  // day and phases
  std::optional<QDate> date;
  bool longForm = false;
  bool julian = false;
  bool json = false;
  int count = 4;

  // month
  std::optional<QDate> month; // the first of the month
  int group = 0;              // 0 none, 5 or 7
  int copyMode = 0;           // 0 text, 1 tab, 2 csv

  // ics, year and events
  ExportOptions exportOptions;

  // places
  QString search;
  int placeCount = 10;
  bool placesJson = false;

  // chart
  ChartOptions chart;
};

struct CliError {
  QString message; // one line, naming the option and what it accepts
};

// Parses the arguments after the program name.
std::variant<CliRequest, CliError> ParseCliArguments(const QStringList& arguments);

// The text printed by --help.
QString CliHelpText();

// The line printed by --version: the program's name and version.
QString CliVersionText();

} // namespace cli
