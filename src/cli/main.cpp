// SPDX-License-Identifier: GPL-3.0-or-later
// vesperon-cli: prints what Vesperon shows, for scripts and for checking.

#include "cli_arguments.h"
#include "cli_chart_command.h"
#include "cli_commands.h"
#include "cli_export_commands.h"
#include "cli_output.h"
#include "cli_places.h"
#include "cli_site.h"
#include "places/location_file.h"
#include "settings/settings_store.h"
#include "settings/standard_descriptors.h"
#include "settings/store_snapshot.h"
#include "settings/stored_location.h"
#include "settings/whole_file_write.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <unistd.h>

namespace {

int Fail(const QString& message) {
  cli::WriteWhole(stderr, QStringLiteral("vesperon-cli: %1\n").arg(cli::EscapeControlCharacters(message)));
  return 2;
}

// One error line naming the reason in errno; the exit status 1.
int OutputFailed() {
  const QString reason = QString::fromLocal8Bit(std::strerror(errno));
  cli::WriteWhole(stderr, QStringLiteral("vesperon-cli: the output could not be written (%1).\n").arg(reason));
  return 1;
}

// 0 when all of the text went out; 1 with one error line when it did not.
int Print(const QString& text) { return cli::WriteWhole(stdout, text) ? 0 : OutputFailed(); }

// The chart to standard output ("-") or whole to the file, which a failed
// write leaves as it was; 1 with one error line naming the file and reason.
int WriteChart(const QString& output, const QByteArray& svg) {
  if (output == QLatin1String("-")) return Print(QString::fromUtf8(svg));
  const settings::WholeFileWrite written = settings::WriteWholeFile(output, svg);
  if (written.ok) return 0;
  cli::WriteWhole(stderr, QStringLiteral("vesperon-cli: %1 could not be written (%2).\n")
                              .arg(cli::EscapeControlCharacters(output), written.reason));
  return 1;
}

} // namespace

int main(int argc, char* argv[]) {
  // A closed standard output is found before anything is opened: the first
  // file opened would take its descriptor and receive the output.
  if (::fcntl(STDOUT_FILENO, F_GETFL) == -1) return OutputFailed();
  settings::OpenClosedStandardDescriptors();

  settings::IgnoreFileSizeSignal();
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Vesperon"));
  QCoreApplication::setOrganizationName(QStringLiteral("Vesperon Software"));

  const auto parsed = cli::ParseCliArguments(QCoreApplication::arguments().mid(1));
  if (const auto* error = std::get_if<cli::CliError>(&parsed)) return Fail(error->message);
  const cli::CliRequest& request = std::get<cli::CliRequest>(parsed);
  if (request.command == cli::Command::Help) return Print(cli::CliHelpText());
  if (request.command == cli::Command::Version) return Print(cli::CliVersionText());
  // JSON is read by programs: its dates and times are written the same in
  // every language and locale.
  if (request.json || request.exportOptions.mode == cli::YearMode::Json)
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));

  if (request.command == cli::Command::Places) {
    const auto found = cli::RunPlaces(request, places::DefaultLocationFilePaths().readPath);
    if (const auto* error = std::get_if<cli::CliError>(&found)) return Fail(error->message);
    return Print(std::get<QString>(found));
  }

  const settings::StoreSnapshot store(settings::SettingsStorePath());
  if (!store.reason().isEmpty()) {
    cli::WriteWhole(stderr, QStringLiteral("vesperon-cli: %1 The default settings are used.\n")
                                .arg(cli::EscapeControlCharacters(store.problem())));
  }
  const settings::Settings stored =
      settings::LoadSettings(store.values(), QDateTime::currentDateTime().isDaylightTime());
  for (const QString& notice : settings::StoredLocationNotices(store.values(), settings::SettingsStorePath()))
    cli::WriteWhole(stderr, QStringLiteral("vesperon-cli: %1\n").arg(cli::EscapeControlCharacters(notice)));
  const auto site = cli::ResolveSite(request, stored.Location, places::DefaultLocationFilePaths().readPath);
  if (const auto* error = std::get_if<cli::CliError>(&site)) return Fail(error->message);

  const cli::CliContext context =
      cli::MakeContext(request, stored, std::get<settings::SiteLocation>(site), QDate::currentDate());
  switch (request.command) {
    case cli::Command::Day: return Print(cli::RunDay(request, context));
    case cli::Command::Month: return Print(cli::RunMonth(request, context));
    case cli::Command::Phases: {
      const cli::PhaseListOutput phases = cli::RunPhases(request, context);
      if (!phases.notice.isEmpty()) cli::WriteWhole(stderr, QStringLiteral("vesperon-cli: %1\n").arg(phases.notice));
      return Print(phases.text);
    }
    case cli::Command::Ics: {
      const auto ics = cli::RunIcs(request, context, QDateTime::currentDateTimeUtc());
      if (const auto* error = std::get_if<cli::CliError>(&ics)) return Fail(error->message);
      return Print(std::get<QString>(ics));
    }
    case cli::Command::Year: return Print(cli::RunYear(request, context));
    case cli::Command::Events: return Print(cli::RunEvents(request, context));
    case cli::Command::Chart: return WriteChart(request.chart.output, cli::RunChart(request, context));
    case cli::Command::Places:
    case cli::Command::Help:
    case cli::Command::Version: break;
  }
  return 0;
}
