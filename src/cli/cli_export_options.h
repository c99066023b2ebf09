// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The options of the ics, year and events commands, read by the common parser.

#include "calendar_file/almanac_events.h"
#include "sky_events/sky_event_list.h"
#include "year/year_table.h"

#include <QDate>
#include <QString>
#include <functional>
#include <optional>

namespace cli {

enum class Command;

// Days one ics call may cover at most.
inline constexpr int kMostCalendarDays = 366;
// Years one events call may cover at most.
inline constexpr int kMostEventYears = 1000;

enum class YearMode { Text, Csv, Json };

struct ExportOptions {
  // ics
  std::optional<QDate> from, to;
  calendar_file::EventChoice events;
  // year
  std::optional<int> year;
  std::optional<year::YearEvent> event;
  YearMode mode = YearMode::Text; // also the events' output
  // events (with from, to or year)
  sky_events::EventKinds kinds;
};

// Reads the option when it belongs to the command (value() fetches its
// value); false when it does not. Throws CliError for a bad value.
bool ReadExportOption(Command command, const QString& option, const std::function<QString(const char*)>& value,
                      ExportOptions& options);

// The value of a --year option: a year from 1 to 9999; throws CliError for another.
int YearValue(const QString& option, const QString& text);

// Throws CliError when a required option is missing or the range is too long.
void CheckExportOptions(Command command, const ExportOptions& options);

} // namespace cli
