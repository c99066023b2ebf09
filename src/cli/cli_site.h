// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Where vesperon-cli computes for: a record of the location file, numbers from
// the command line, or the location the desktop program stored.

#include "cli_arguments.h"
#include "settings/settings_values.h"

#include <variant>

namespace cli {

// The location file is read from locationFilePath (empty when none exists).
std::variant<settings::SiteLocation, CliError> ResolveSite(const CliRequest& request,
                                                           const settings::SiteLocation& stored,
                                                           const QString& locationFilePath);

} // namespace cli
