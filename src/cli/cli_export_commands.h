// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The ics, year and events commands of vesperon-cli.

#include "cli_commands.h"

#include <QDateTime>
#include <QString>
#include <variant>

namespace cli {

// One VCALENDAR of the chosen events from --from to --to; stamp is its DTSTAMP.
// An error where the file cannot hold an event's date.
std::variant<QString, CliError> RunIcs(const CliRequest& request, const CliContext& context, const QDateTime& stamp);

// The year table of --event for --year in the --mode chosen.
QString RunYear(const CliRequest& request, const CliContext& context);

// The sky events of --year (or --from to --to, local dates) of the --kinds
// chosen, in the --mode chosen.
QString RunEvents(const CliRequest& request, const CliContext& context);

} // namespace cli
