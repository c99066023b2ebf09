// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_export_options.h"

#include "cli_arguments.h"
#include "cli_output.h"

#include <QRegularExpression>

namespace cli {
namespace {

QDate IsoDate(const QString& option, const QString& value) {
  static const QRegularExpression shape(QRegularExpression::anchoredPattern(QStringLiteral("\\d{4}-\\d{2}-\\d{2}")));
  const QDate date = shape.match(value).hasMatch() ? QDate::fromString(value, Qt::ISODate) : QDate();
  if (!date.isValid() || date.year() < 1)
    throw CliError{QStringLiteral("%1 accepts a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, not \"%2\".")
                       .arg(option, EchoedValue(value))};
  return date;
}

// "seasons,eclipses,apsides" in any order, at least one; nothing for another name.
std::optional<sky_events::EventKinds> KindsNamed(const QString& list) {
  sky_events::EventKinds kinds{false, false, false};
  for (const QString& raw : list.split(QLatin1Char(','))) {
    const QString name = raw.trimmed().toLower();
    if (name == QLatin1String("seasons")) kinds.seasons = true;
    else if (name == QLatin1String("eclipses")) kinds.eclipses = true;
    else if (name == QLatin1String("apsides")) kinds.apsides = true;
    else return std::nullopt;
  }
  return kinds;
}

} // namespace

int YearValue(const QString& option, const QString& text) {
  bool ok = false;
  const int year = text.toInt(&ok);
  if (!ok || year < 1 || year > 9999)
    throw CliError{QStringLiteral("%1 accepts a year from 1 to 9999, not \"%2\".").arg(option, EchoedValue(text))};
  return year;
}

bool ReadExportOption(Command command, const QString& option, const std::function<QString(const char*)>& value,
                      ExportOptions& options) {
  if (command == Command::Ics) {
    if (option == QLatin1String("--from")) {
      options.from = IsoDate(option, value("YYYY-MM-DD"));
    } else if (option == QLatin1String("--to")) {
      options.to = IsoDate(option, value("YYYY-MM-DD"));
    } else if (option == QLatin1String("--events")) {
      const QString list = value("a comma list of sun, twilight, moon, phases, seasons, eclipses and apsides");
      const auto choice = calendar_file::EventChoiceNamed(list);
      if (!choice)
        throw CliError{QStringLiteral("--events accepts a comma list of sun, twilight, moon, phases, seasons, "
                                      "eclipses and apsides, not \"%1\".")
                           .arg(EchoedValue(list))};
      options.events = *choice;
    } else {
      return false;
    }
    return true;
  }
  if (command != Command::Year && command != Command::Events) return false;
  const bool events = command == Command::Events;
  if (events && (option == QLatin1String("--from") || option == QLatin1String("--to"))) {
    (option == QLatin1String("--from") ? options.from : options.to) = IsoDate(option, value("YYYY-MM-DD"));
  } else if (events && option == QLatin1String("--kinds")) {
    const QString list = value("a comma list of seasons, eclipses and apsides");
    const auto kinds = KindsNamed(list);
    if (!kinds)
      throw CliError{
          QStringLiteral("--kinds accepts a comma list of seasons, eclipses and apsides, not \"%1\".").arg(EchoedValue(list))};
    options.kinds = *kinds;
  } else if (option == QLatin1String("--year")) {
    options.year = YearValue(option, value("a year from 1 to 9999"));
  } else if (!events && option == QLatin1String("--event")) {
    const QString text = value("sun, moon, civil, nautical or astronomical");
    options.event = year::YearEventNamed(text);
    if (!options.event)
      throw CliError{
          QStringLiteral("--event accepts sun, moon, civil, nautical or astronomical, not \"%1\".").arg(EchoedValue(text))};
  } else if (option == QLatin1String("--mode")) {
    const QString text = value("text, csv or json").toLower();
    if (text == QLatin1String("text")) options.mode = YearMode::Text;
    else if (text == QLatin1String("csv")) options.mode = YearMode::Csv;
    else if (text == QLatin1String("json")) options.mode = YearMode::Json;
    else throw CliError{QStringLiteral("--mode accepts text, csv or json, not \"%1\".").arg(EchoedValue(text))};
  } else {
    return false;
  }
  return true;
}

void CheckExportOptions(Command command, const ExportOptions& o) {
  if (command == Command::Ics) {
    if (!o.from || !o.to) throw CliError{QStringLiteral("ics needs --from YYYY-MM-DD and --to YYYY-MM-DD.")};
    if (*o.to < *o.from)
      throw CliError{QStringLiteral("--to %1 is before --from %2.")
                         .arg(o.to->toString(Qt::ISODate), o.from->toString(Qt::ISODate))};
    const qint64 days = o.from->daysTo(*o.to) + 1;
    if (days > kMostCalendarDays)
      throw CliError{QStringLiteral("ics covers at most %1 days; --from %2 --to %3 is %4 days.")
                         .arg(kMostCalendarDays)
                         .arg(o.from->toString(Qt::ISODate), o.to->toString(Qt::ISODate))
                         .arg(days)};
  } else if (command == Command::Year) {
    if (!o.year) throw CliError{QStringLiteral("year needs --year YYYY.")};
    if (!o.event) throw CliError{QStringLiteral("year needs --event sun, moon, civil, nautical or astronomical.")};
  } else if (command == Command::Events) {
    if (o.year && (o.from || o.to)) throw CliError{QStringLiteral("events takes --year or --from and --to, not both.")};
    if (o.year) return;
    if (!o.from || !o.to) throw CliError{QStringLiteral("events needs --year YYYY, or --from YYYY-MM-DD and --to YYYY-MM-DD.")};
    if (*o.to < *o.from)
      throw CliError{QStringLiteral("--to %1 is before --from %2.")
                         .arg(o.to->toString(Qt::ISODate), o.from->toString(Qt::ISODate))};
    if (*o.to >= o.from->addYears(kMostEventYears))
      throw CliError{QStringLiteral("events covers at most %1 years; --from %2 --to %3 is longer.")
                         .arg(kMostEventYears)
                         .arg(o.from->toString(Qt::ISODate), o.to->toString(Qt::ISODate))};
  }
}

} // namespace cli
