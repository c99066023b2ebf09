// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_site.h"

#include "cli_output.h"
#include "location_file.h"
#include "location_inputs.h"
#include "location_record.h"

#include <QFileInfo>

namespace cli {
namespace {

QString FieldName(settings::LocationInputField field) {
  switch (field) {
    case settings::LocationInputField::Name: return QStringLiteral("name");
    case settings::LocationInputField::Longitude: return QStringLiteral("longitude");
    case settings::LocationInputField::Latitude: return QStringLiteral("latitude");
    case settings::LocationInputField::Zone: return QStringLiteral("time zone");
  }
  return {};
}

QString FieldText(const QString& record, settings::LocationInputField field) {
  const settings::LocationFields fields = settings::ExtractLocationFields(record);
  switch (field) {
    case settings::LocationInputField::Name: return settings::LocationRecordName(record);
    case settings::LocationInputField::Longitude: return fields.longitude;
    case settings::LocationInputField::Latitude: return fields.latitude;
    case settings::LocationInputField::Zone: return fields.zoneText;
  }
  return {};
}

// The stored record named `name` (case-insensitive, trailing blanks ignored),
// held to the location editor's rules.
std::variant<settings::SiteLocation, CliError> SiteFromFile(const QString& name, const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path))
    return CliError{QStringLiteral("--location needs the location file %1, which does not exist.")
                        .arg(path.isEmpty() ? QString::fromLatin1(settings::kLocationFileName) : path)};
  const settings::LocationFileRead read = settings::ReadLocationFile(path);
  if (!read.ok) return CliError{QStringLiteral("--location: %1").arg(read.error)};

  const QString wanted = name.trimmed();
  for (const QString& record : read.list.Records()) {
    if (settings::LocationRecordName(record).compare(wanted, Qt::CaseInsensitive) != 0) continue;
    const auto checked = settings::CheckLocationRecord(record);
    if (const auto* error = std::get_if<settings::LocationInputError>(&checked)) {
      return CliError{QStringLiteral("--location \"%1\": the %2 \"%3\" of its record in %4 is refused. %5")
                          .arg(EchoedValue(settings::LocationRecordName(record)), FieldName(error->field),
                               EchoedValue(FieldText(record, error->field)), path, error->message)};
    }
    return std::get<settings::SiteLocation>(checked);
  }
  return CliError{QStringLiteral("--location accepts a name from the location file; \"%1\" is not there.").arg(EchoedValue(wanted))};
}

} // namespace

std::variant<settings::SiteLocation, CliError> ResolveSite(const CliRequest& request,
                                                           const settings::SiteLocation& stored,
                                                           const QString& locationFilePath) {
  if (request.locationName) return SiteFromFile(*request.locationName, locationFilePath);
  if (request.site)
    return settings::SiteLocation{request.site->name, request.site->zone, request.site->latitude, request.site->longitude};
  return stored;
}

} // namespace cli
