// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The chart command of vesperon-cli: the daylight chart of a year or the
// altitude chart of a date, as SVG.

#include "cli_commands.h"

#include <QByteArray>

namespace cli {

// The SVG of the chart the request asks for, at the context's place and clock.
QByteArray RunChart(const CliRequest& request, const CliContext& context);

} // namespace cli
