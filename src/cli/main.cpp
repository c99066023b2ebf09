// vesperon-cli: prints what Vesperon shows, for scripts and for checking.

#include "cli_arguments.h"
#include "cli_commands.h"
#include "cli_site.h"
#include "location_file.h"
#include "settings_store.h"

#include <QCoreApplication>
#include <QDateTime>
#include <cstdio>

namespace {

int Fail(const QString& message) {
  std::fputs(qPrintable(QStringLiteral("vesperon-cli: %1\n").arg(message)), stderr);
  return 2;
}

void Print(const QString& text) { std::fputs(text.toUtf8().constData(), stdout); }

} // namespace

int main(int argc, char* argv[]) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setApplicationName(QStringLiteral("Vesperon"));
  QCoreApplication::setOrganizationName(QStringLiteral("Vesperon Software"));

  const auto parsed = cli::ParseCliArguments(QCoreApplication::arguments().mid(1));
  if (const auto* error = std::get_if<cli::CliError>(&parsed)) return Fail(error->message);
  const cli::CliRequest& request = std::get<cli::CliRequest>(parsed);
  if (request.command == cli::Command::Help) {
    Print(cli::CliHelpText());
    return 0;
  }

  const settings::Settings stored =
      settings::LoadSettings(*settings::OpenSettingsStore(), QDateTime::currentDateTime().isDaylightTime());
  const auto site = cli::ResolveSite(request, stored.Location, settings::DefaultLocationFilePaths().readPath);
  if (const auto* error = std::get_if<cli::CliError>(&site)) return Fail(error->message);

  const cli::CliContext context =
      cli::MakeContext(request, stored, std::get<settings::SiteLocation>(site), QDate::currentDate());
  switch (request.command) {
    case cli::Command::Day: Print(cli::RunDay(request, context)); break;
    case cli::Command::Month: Print(cli::RunMonth(request, context)); break;
    case cli::Command::Phases: Print(cli::RunPhases(request, context)); break;
    case cli::Command::Help: break;
  }
  return 0;
}
