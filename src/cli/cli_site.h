// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where vesperon-cli computes for: a record of the location file, numbers from
// the command line, or the location the desktop program stored.

#include "cli_arguments.h"
#include "places/location_list.h"
#include "settings/settings_values.h"

#include <variant>

namespace cli {

// The location file at path (empty when none exists), or the error line that
// names the option it was read for and why it cannot be read.
std::variant<places::LocationList, CliError> ReadListFor(const QString& option, const QString& path);

// The location file is read from locationFilePath (empty when none exists).
// --location NAME takes the record of that name, letter case and blanks
// around it aside, else the place the search ranks first.
std::variant<settings::SiteLocation, CliError> ResolveSite(const CliRequest& request,
                                                           const settings::SiteLocation& stored,
                                                           const QString& locationFilePath);

} // namespace cli
