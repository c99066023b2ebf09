// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The three commands of vesperon-cli, each producing the text to print.

#include "astro/astro_state.h"
#include "cli_arguments.h"
#include "settings/settings_values.h"

#include <QString>

namespace cli {

// Everything a command computes from: the stored settings with the command
// line's choices applied, and the site.
struct CliContext {
  settings::Settings settings;  // TimeType, TFormat, Twilight, flags
  settings::SiteLocation site;
  bool showSeconds = false;
  QDate today;
};

// The stored settings with the request's overrides; --seconds forces the
// 24-hour clock as the desktop program does.
CliContext MakeContext(const CliRequest& request, const settings::Settings& stored, const settings::SiteLocation& site,
                       QDate today);

// The astronomy state the desktop program would hold for this date and site.
astro::AstroState StateFor(const CliContext& context, QDate date);

// The site as the terminal gets it: its name, which comes from the user's
// files and command line, with control characters escaped, so a stored name
// can neither drive the terminal nor split the lines scripts read.
settings::SiteLocation PrintableSite(settings::SiteLocation site);

QString RunDay(const CliRequest& request, const CliContext& context);
QString RunMonth(const CliRequest& request, const CliContext& context);
struct PhaseListOutput {
  QString text;
  QString notice; // when the list stops at the last date before the count: a sentence for standard error
};
PhaseListOutput RunPhases(const CliRequest& request, const CliContext& context);

} // namespace cli
