// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_arguments.h"

#include "cli_output.h"
#include "settings/locale_number.h"
#include "settings/settings_values.h"

#include <QDateTime>
#include <QRegularExpression>
#include <QTimeZone>
#include <cmath>
#include <functional>
#include <map>

namespace cli {
namespace {

const QDate kFirstDate(1, 1, 1);
const QDate kLastDate(9999, 12, 31);

struct Failure {
  QString message;
};

// Reads options one by one; throws Failure for the first bad one.
class ArgumentReader {
public:
  explicit ArgumentReader(const QStringList& arguments) : arguments_(arguments) {}

  bool AtEnd() const { return index_ >= arguments_.size(); }

  // The next word, split into the option and an attached "=value".
  QString NextOption() {
    QString word = arguments_[index_++];
    attached_.reset();
    if (word.startsWith(QLatin1String("--"))) {
      const qsizetype equals = word.indexOf(QLatin1Char('='));
      if (equals > 0) {
        attached_ = word.mid(equals + 1);
        word.truncate(equals);
      }
    }
    return word;
  }

  QString Value(const QString& option, const QString& accepts) {
    if (attached_) return *std::exchange(attached_, std::nullopt);
    if (AtEnd()) throw Failure{QStringLiteral("%1 needs a value: %2.").arg(option, accepts)};
    return arguments_[index_++];
  }

  void RefuseValue(const QString& option) {
    if (attached_) throw Failure{QStringLiteral("%1 takes no value.").arg(option)};
  }

private:
  const QStringList& arguments_;
  qsizetype index_ = 0;
  std::optional<QString> attached_;
};

int Choice(const QString& option, const QString& value, const std::map<QString, int>& choices) {
  const auto found = choices.find(value.toLower());
  if (found != choices.end()) return found->second;
  QStringList names;
  for (const auto& [name, _] : choices) names << name;
  throw Failure{QStringLiteral("%1 accepts %2, not \"%3\".").arg(option, names.join(QLatin1String(" or ")), EchoedValue(value))};
}

float Number(const QString& option, const QString& value, float low, float high, const QString& what) {
  const std::optional<float> number = settings::ParseNumberWithin(value, low, high);
  if (!number) throw Failure{QStringLiteral("%1 accepts %2, not \"%3\".").arg(option, what, EchoedValue(value))};
  return *number;
}

QDate Date(const QString& option, const QString& value, bool wholeMonth) {
  static const QRegularExpression dayPattern(QRegularExpression::anchoredPattern(QStringLiteral("\\d{4}-\\d{2}-\\d{2}")));
  static const QRegularExpression monthPattern(QRegularExpression::anchoredPattern(QStringLiteral("\\d{4}-\\d{2}")));
  const QString accepts = wholeMonth ? QStringLiteral("a month YYYY-MM from 0001-01 to 9999-12")
                                     : QStringLiteral("a date YYYY-MM-DD from 0001-01-01 to 9999-12-31");
  const bool shaped = (wholeMonth ? monthPattern : dayPattern).match(value).hasMatch();
  const QDate date = shaped ? QDate::fromString(wholeMonth ? value + QLatin1String("-01") : value,
                                                QStringLiteral("yyyy-MM-dd"))
                            : QDate();
  if (!date.isValid() || date < kFirstDate || date > kLastDate)
    throw Failure{QStringLiteral("%1 accepts %2, not \"%3\".").arg(option, accepts, EchoedValue(value))};
  return date;
}

int Count(const QString& option, const QString& value) {
  bool ok = false;
  const int n = value.toInt(&ok);
  if (!ok || n < 1 || n > 1000)
    throw Failure{QStringLiteral("%1 accepts a whole number from 1 to 1000, not \"%2\".").arg(option, EchoedValue(value))};
  return n;
}

Command CommandNamed(const QString& word) {
  if (word == QLatin1String("day")) return Command::Day;
  if (word == QLatin1String("month")) return Command::Month;
  if (word == QLatin1String("phases")) return Command::Phases;
  if (word == QLatin1String("ics")) return Command::Ics;
  if (word == QLatin1String("year")) return Command::Year;
  if (word == QLatin1String("events")) return Command::Events;
  if (word == QLatin1String("places")) return Command::Places;
  if (word == QLatin1String("chart")) return Command::Chart;
  if (word == QLatin1String("--help") || word == QLatin1String("-h") || word == QLatin1String("help"))
    return Command::Help;
  if (word == QLatin1String("--version")) return Command::Version;
  throw Failure{QStringLiteral("Unknown command \"%1\": use day, month, phases, ics, year, events, places, chart, --help or --version.").arg(EchoedValue(word))};
}

// Hours of a zone's standard time now, West positive.
float StandardZoneHoursOf(const QString& zoneId) {
  return static_cast<float>(-QTimeZone(zoneId.toUtf8()).standardTimeOffset(QDateTime::currentDateTimeUtc())) / 3600.0f;
}

struct PendingSite {
  std::optional<float> latitude, longitude, zone;
  std::optional<QString> name, zoneId;
};

// places takes no location and no settings: it reads the list alone.
void ParsePlacesOptions(ArgumentReader& reader, CliRequest& request) {
  std::optional<QString> search;
  while (!reader.AtEnd()) {
    const QString option = reader.NextOption();
    if (option == QLatin1String("--help")) {
      request.command = Command::Help;
      return;
    } else if (option == QLatin1String("--search")) {
      search = reader.Value(option, QStringLiteral("a place name, or its first letters"));
    } else if (option == QLatin1String("--count")) {
      request.placeCount = Count(option, reader.Value(option, QStringLiteral("a whole number from 1 to 1000")));
    } else if (option == QLatin1String("--mode")) {
      request.placesJson = Choice(option, reader.Value(option, QStringLiteral("text or json")),
                                  {{QStringLiteral("text"), 0}, {QStringLiteral("json"), 1}}) == 1;
    } else {
      throw Failure{QStringLiteral("Unknown option \"%1\" for this command; see vesperon-cli --help.").arg(EchoedValue(option))};
    }
  }
  if (!search || search->trimmed().isEmpty())
    throw Failure{QStringLiteral("places needs --search TEXT: a place name, or its first letters.")};
  request.search = *search;
}

void ParseOptions(ArgumentReader& reader, CliRequest& request) {
  PendingSite pending;
  const bool day = request.command == Command::Day;
  const bool month = request.command == Command::Month;
  const bool phases = request.command == Command::Phases;

  while (!reader.AtEnd()) {
    const QString option = reader.NextOption();
    const auto value = [&](const char* accepts) { return reader.Value(option, QLatin1String(accepts)); };
    const auto flag = [&] { reader.RefuseValue(option); };

    if (option == QLatin1String("--help")) {
      request.command = Command::Help;
      return;
    } else if (option == QLatin1String("--location")) {
      request.locationName = value("a place of the location file, by any name the search finds");
    } else if (option == QLatin1String("--lat")) {
      pending.latitude = Number(option, value("degrees, North positive"), -90, 90, QStringLiteral("a latitude from -90 to 90 degrees"));
    } else if (option == QLatin1String("--lon")) {
      pending.longitude = Number(option, value("degrees, West positive"), -180, 180, QStringLiteral("a longitude from -180 to 180 degrees"));
    } else if (option == QLatin1String("--zone")) {
      const QString text = value("hours, West positive");
      const QString accepts = QStringLiteral("a time zone from -14 to 12 hours in quarter hours");
      const float zone = Number(option, text, settings::kEastmostZone, settings::kWestmostZone, accepts);
      if (std::fmod(static_cast<double>(zone) * 4.0, 1.0) != 0.0)
        throw Failure{QStringLiteral("--zone accepts %1, not \"%2\".").arg(accepts, EchoedValue(text))};
      pending.zone = zone;
    } else if (option == QLatin1String("--tz")) {
      const QString text = value("an IANA time zone such as Europe/London");
      if (!QTimeZone(text.toUtf8()).isValid())
        throw Failure{QStringLiteral("--tz accepts a time zone of the system's database, such as Europe/London; \"%1\" is not one.")
                          .arg(EchoedValue(text))};
      pending.zoneId = text;
    } else if (option == QLatin1String("--name")) {
      pending.name = value("a place name");
    } else if (option == QLatin1String("--time")) {
      request.timeType = Choice(option, value("standard, daylight, universal or local"),
                                {{QStringLiteral("standard"), 0}, {QStringLiteral("daylight"), 1},
                                 {QStringLiteral("universal"), 2}, {QStringLiteral("local"), 3}});
    } else if (option == QLatin1String("--clock")) {
      request.clock = Choice(option, value("12 or 24"), {{QStringLiteral("12"), 0}, {QStringLiteral("24"), 1}});
    } else if (option == QLatin1String("--seconds")) {
      flag();
      request.seconds = true;
    } else if (option == QLatin1String("--twilight")) {
      request.twilight = Choice(option, value("astronomical, nautical or civil"),
                                {{QStringLiteral("astronomical"), 0}, {QStringLiteral("nautical"), 1}, {QStringLiteral("civil"), 2}});
    } else if (option == QLatin1String("--transit") || option == QLatin1String("--no-transit")) {
      flag();
      request.transit = option == QLatin1String("--transit");
    } else if (option == QLatin1String("--azimuth") || option == QLatin1String("--illumination")) {
      flag();
      request.azimuth = option == QLatin1String("--azimuth");
    } else if (option == QLatin1String("--week-start")) {
      request.sundayStart =
          Choice(option, value("sunday or monday"), {{QStringLiteral("sunday"), 1}, {QStringLiteral("monday"), 0}}) == 1;
    } else if (option == QLatin1String("--date") && (day || phases)) {
      request.date = Date(option, value("YYYY-MM-DD"), false);
    } else if (option == QLatin1String("--long-form") && day) {
      flag();
      request.longForm = true;
    } else if (option == QLatin1String("--julian") && day) {
      flag();
      request.julian = true;
    } else if (option == QLatin1String("--json") && (day || phases)) {
      flag();
      request.json = true;
    } else if (option == QLatin1String("--count") && phases) {
      request.count = Count(option, value("a whole number from 1 to 1000"));
    } else if (option == QLatin1String("--month") && month) {
      request.month = Date(option, value("YYYY-MM"), true);
    } else if (option == QLatin1String("--group") && month) {
      request.group = Choice(option, value("5 or 7"), {{QStringLiteral("5"), 5}, {QStringLiteral("7"), 7}});
    } else if (option == QLatin1String("--mode") && month) {
      request.copyMode = Choice(option, value("text, tab or csv"),
                                {{QStringLiteral("text"), 0}, {QStringLiteral("tab"), 1}, {QStringLiteral("csv"), 2}});
    } else if (ReadExportOption(request.command, option, value, request.exportOptions)) {
    } else if (request.command == Command::Chart && ReadChartOption(option, value, request.chart)) {
    } else {
      throw Failure{QStringLiteral("Unknown option \"%1\" for this command; see vesperon-cli --help.").arg(EchoedValue(option))};
    }
  }

  // With --tz, --zone may be left out: the zone's standard offset is taken.
  if (pending.zoneId && !pending.zone) pending.zone = StandardZoneHoursOf(*pending.zoneId);
  const bool anyNumber = pending.latitude || pending.longitude || pending.zone;
  if (anyNumber && !(pending.latitude && pending.longitude && pending.zone))
    throw Failure{QStringLiteral("--lat, --lon and --zone (or --tz) must be given together.")};
  if (pending.name && !anyNumber) throw Failure{QStringLiteral("--name goes with --lat, --lon and --zone.")};
  if (anyNumber && request.locationName)
    throw Failure{QStringLiteral("--location cannot be combined with --lat, --lon and --zone.")};
  CheckExportOptions(request.command, request.exportOptions);
  if (anyNumber) {
    request.site = CustomSite{*pending.latitude, *pending.longitude, *pending.zone,
                              pending.name.value_or(QStringLiteral("Custom")), pending.zoneId.value_or(QString())};
  }
}

} // namespace

std::variant<CliRequest, CliError> ParseCliArguments(const QStringList& arguments) {
  try {
    CliRequest request;
    if (arguments.isEmpty()) return request; // help
    ArgumentReader reader(arguments);
    request.command = CommandNamed(reader.NextOption());
    if (request.command == Command::Help || request.command == Command::Version) return request;
    if (request.command == Command::Chart) {
      if (reader.AtEnd()) throw Failure{QStringLiteral("chart needs daylight or altitude.")};
      request.chart.kind = ChartKindNamed(reader.NextOption());
    }
    if (request.command == Command::Places) ParsePlacesOptions(reader, request);
    else ParseOptions(reader, request);
    return request;
  } catch (const Failure& failure) {
    return CliError{failure.message};
  } catch (const CliError& error) {
    return error;
  }
}

QString CliHelpText() {
  return QStringLiteral(
      "Usage: vesperon-cli COMMAND [OPTIONS]\n"
      "\n"
      "Prints what Vesperon shows, from the same routines and stored settings.\n"
      "\n"
      "Commands:\n"
      "  day [--date YYYY-MM-DD] [--long-form] [--julian] [--json]\n"
      "      the day view: twilight, sun and moon times, illumination, phases\n"
      "  month [--month YYYY-MM] [--group 5|7] [--mode text|tab|csv]\n"
      "      the month table as its Copy command puts it on the clipboard\n"
      "  phases [--date YYYY-MM-DD] [--count N] [--json]\n"
      "      N principal phases (default 4, 1 to 1000) from the quarter at or before the date\n"
      "  ics --from YYYY-MM-DD --to YYYY-MM-DD [--events LIST]\n"
      "      an iCalendar file (at most 366 days) of the events in LIST, a comma list of\n"
      "      sun, twilight, moon and phases (default: all four) and seasons, eclipses and\n"
      "      apsides (the sky events; an eclipse spans its first to last contact)\n"
      "  year --year YYYY --event sun|moon|civil|nautical|astronomical [--mode text|csv|json]\n"
      "      rise and set (twilight: beginning and end) for every day of the year\n"
      "  events --year YYYY | --from YYYY-MM-DD --to YYYY-MM-DD [--kinds LIST] [--mode M]\n"
      "      equinoxes and solstices, lunar eclipses, solar eclipses seen from the place\n"
      "      and the Moon's perigees and apogees, over at most 1000 years; LIST is a comma\n"
      "      list of seasons, eclipses and apsides (default: all three), M text, csv or json\n"
      "  places --search TEXT [--count N] [--mode text|json]\n"
      "      the places of the location file that TEXT names, best first (default 10, 1 to\n"
      "      1000): letter case, accents and punctuation aside, by other and former names\n"
      "      too, an exact name before a beginning and the bigger place first\n"
      "  chart daylight [--year YYYY] | chart altitude [--date YYYY-MM-DD]\n"
      "        [--format svg] [--output FILE] [--width PIXELS] [--height PIXELS]\n"
      "      an SVG picture: the year's daylight and twilight at the place with the\n"
      "      moonrise and moonset (default: this year), or the Sun's and the Moon's\n"
      "      altitude from the date's noon to the next (default: today); FILE - (the\n"
      "      default) is standard output; 200 to 10000 pixels, 1200 by 760 by default\n"
      "  --help | --version\n"
      "      this text, or the program's version\n"
      "\n"
      "Location (default: the location stored by Vesperon):\n"
      "  --location NAME                  a record of the location file: the place that\n"
      "                                   places --search NAME lists first\n"
      "  --lat DEG --lon DEG --zone HOURS [--tz ZONE] [--name TEXT]\n"
      "                                   North, West and West of Greenwich positive;\n"
      "                                   HOURS from -14 to 12 in quarter hours (-5.75);\n"
      "                                   ZONE an IANA time zone (Europe/London), whose\n"
      "                                   standard time stands in for a missing --zone\n"
      "\n"
      "Settings (default: those stored by Vesperon):\n"
      "  --time standard|daylight|universal|local\n"
      "                                   local: the place's own clocks on each date\n"
      "  --clock 12|24\n"
      "  --seconds                        the 24-hour clock with seconds\n"
      "  --twilight astronomical|nautical|civil\n"
      "  --transit | --no-transit\n"
      "  --azimuth | --illumination\n"
      "  --week-start sunday|monday\n"
      "\n"
      "Bad input prints one line on standard error and exits with status 2; output that\n"
      "cannot be written (a full disk) does so with status 1.\n");
}

QString CliVersionText() { return QStringLiteral("vesperon-cli " VESPERON_VERSION "\n"); }

} // namespace cli
