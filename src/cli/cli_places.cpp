// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_places.h"

#include "cli_output.h"
#include "cli_site.h"
#include "places/location_record.h"
#include "places/place_details.h"
#include "places/place_search.h"
#include "settings/locale_number.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

std::variant<QString, CliError> RunPlaces(const CliRequest& request, const QString& locationFilePath) {
  const auto read = ReadListFor(QStringLiteral("places"), locationFilePath);
  if (const auto* error = std::get_if<CliError>(&read)) return *error;
  const places::LocationList& list = std::get<places::LocationList>(read);
  const QStringList names = list.Names();
  std::vector<qsizetype> ranked = places::ShippedPlaceSearch(names).Rank(request.search);
  if (ranked.size() > static_cast<std::size_t>(request.placeCount)) ranked.resize(static_cast<std::size_t>(request.placeCount));

  QJsonArray array;
  QStringList lines;
  for (const qsizetype i : ranked) {
    const QString name = names.at(i).trimmed();
    const places::LocationFields fields = places::ExtractLocationFields(list.Records().at(i));
    const places::PlaceDetails details = places::ShippedPlaceDetails().value(name);
    const QString zoneId = QString::fromLatin1(details.timeZoneId);
    if (request.placesJson) {
      array.append(QJsonObject{
          {"name", name},
          {"latitude", static_cast<double>(settings::ParseLocaleNumber(fields.latitude).value)},
          {"longitudeWest", static_cast<double>(settings::ParseLocaleNumber(fields.longitude).value)},
          {"zone", static_cast<double>(fields.zoneHours)},
          {"tz", zoneId.isEmpty() ? QJsonValue() : QJsonValue(zoneId)},
          {"population", details.population},
      });
    } else {
      lines << QStringLiteral("%1 %2 %3 %4  %5 %6")
                   .arg(EscapeControlCharacters(name), -25)
                   .arg(fields.latitude, 7)
                   .arg(fields.longitude, 8)
                   .arg(fields.zoneText, 5)
                   .arg(zoneId.isEmpty() ? QStringLiteral("-") : zoneId, -30)
                   .arg(details.population)
                   .trimmed();
    }
  }
  if (request.placesJson)
    return QString::fromUtf8(QJsonDocument(QJsonObject{{"places", array}}).toJson(QJsonDocument::Indented));
  return lines.isEmpty() ? QString() : lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace cli
