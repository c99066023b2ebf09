// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// vesperon-cli places: the places of the location file a text names, best
// first, as the location editor's search ranks them.

#include "cli_arguments.h"

#include <QString>
#include <variant>

namespace cli {

// The list as text, one place a line (name, latitude North and longitude West
// in degrees, standard time in hours West, IANA zone, population), or as JSON
// `{"places": [...]}`. Empty of places when nothing matches.
std::variant<QString, CliError> RunPlaces(const CliRequest& request, const QString& locationFilePath);

} // namespace cli
