// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_site.h"

#include "cli_output.h"
#include "places/location_file.h"
#include "places/location_inputs.h"
#include "places/location_record.h"
#include "places/place_details.h"
#include "places/place_search.h"
#include "places/place_zone.h"

#include <QFileInfo>

namespace cli {
namespace {

QString FieldName(places::LocationInputField field) {
  switch (field) {
    case places::LocationInputField::Name: return QStringLiteral("name");
    case places::LocationInputField::Longitude: return QStringLiteral("longitude");
    case places::LocationInputField::Latitude: return QStringLiteral("latitude");
    case places::LocationInputField::Zone: return QStringLiteral("time zone");
  }
  return {};
}

QString FieldText(const QString& record, places::LocationInputField field) {
  const places::LocationFields fields = places::ExtractLocationFields(record);
  switch (field) {
    case places::LocationInputField::Name: return places::LocationRecordName(record);
    case places::LocationInputField::Longitude: return fields.longitude;
    case places::LocationInputField::Latitude: return fields.latitude;
    case places::LocationInputField::Zone: return fields.zoneText;
  }
  return {};
}

// The record --location names, held to the location editor's rules.
std::variant<settings::SiteLocation, CliError> SiteFromFile(const QString& name, const QString& path) {
  const auto read = ReadListFor(QStringLiteral("--location"), path);
  if (const auto* error = std::get_if<CliError>(&read)) return *error;
  const places::LocationList& list = std::get<places::LocationList>(read);

  const QString wanted = name.trimmed();
  const QStringList names = list.Names();
  qsizetype found = -1;
  for (qsizetype i = 0; i < names.size() && found < 0; ++i)
    if (names.at(i).compare(wanted, Qt::CaseInsensitive) == 0) found = i;
  if (found < 0) found = places::BestPlace(names, wanted);
  if (found < 0)
    return CliError{QStringLiteral("--location accepts a place of the location file; nothing there is named \"%1\".")
                        .arg(EchoedValue(wanted))};
  const QString& record = list.Records().at(found);
  const auto checked = places::CheckLocationRecord(record);
  if (const auto* error = std::get_if<places::LocationInputError>(&checked)) {
    return CliError{QStringLiteral("--location \"%1\": the %2 \"%3\" of its record in %4 is refused. %5")
                        .arg(EchoedValue(places::LocationRecordName(record)), FieldName(error->field),
                             EchoedValue(FieldText(record, error->field)), path, error->message)};
  }
  settings::SiteLocation site = std::get<settings::SiteLocation>(checked);
  site.SiteZoneId = places::ZoneIdOfPlace(site, list, places::ShippedPlaceDetails());
  return site;
}

} // namespace

std::variant<places::LocationList, CliError> ReadListFor(const QString& option, const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path))
    return CliError{QStringLiteral("%1 needs the location file %2, which does not exist.")
                        .arg(option, path.isEmpty() ? QString::fromLatin1(places::kLocationFileName) : path)};
  const places::LocationFileRead read = places::ReadLocationFile(path);
  if (!read.ok) return CliError{QStringLiteral("%1: %2").arg(option, read.error)};
  return read.list;
}

std::variant<settings::SiteLocation, CliError> ResolveSite(const CliRequest& request,
                                                           const settings::SiteLocation& stored,
                                                           const QString& locationFilePath) {
  if (request.locationName) return SiteFromFile(*request.locationName, locationFilePath);
  if (request.site)
    return settings::SiteLocation{request.site->name, request.site->zone, request.site->latitude, request.site->longitude,
                                  request.site->zoneId};
  if (!stored.SiteZoneId.isEmpty()) return stored;
  // A place stored before its zone was kept: the zone its name or neighbours give.
  settings::SiteLocation site = stored;
  const places::LocationFileRead read = locationFilePath.isEmpty() || !QFileInfo::exists(locationFilePath)
                                            ? places::LocationFileRead{}
                                            : places::ReadLocationFile(locationFilePath);
  site.SiteZoneId = places::ZoneIdOfPlace(site, read.list, places::ShippedPlaceDetails());
  return site;
}

} // namespace cli
