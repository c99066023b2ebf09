#include "cli_site.h"

#include "locale_number.h"
#include "location_file.h"
#include "location_record.h"

#include <QFileInfo>

namespace cli {
namespace {

// The stored record named `name` (case-insensitive, trailing blanks ignored).
std::variant<settings::SiteLocation, CliError> SiteFromFile(const QString& name, const QString& path) {
  if (path.isEmpty() || !QFileInfo::exists(path))
    return CliError{QStringLiteral("--location needs the location file %1, which does not exist.")
                        .arg(path.isEmpty() ? QString::fromLatin1(settings::kLocationFileName) : path)};
  const settings::LocationFileRead read = settings::ReadLocationFile(path);
  if (!read.ok) return CliError{QStringLiteral("--location: %1").arg(read.error)};

  const QString wanted = name.trimmed();
  for (const QString& record : read.list.Records()) {
    if (settings::LocationRecordName(record).compare(wanted, Qt::CaseInsensitive) != 0) continue;
    const settings::LocationFields fields = settings::ExtractLocationFields(record);
    if (!fields.zoneIndex)
      return CliError{QStringLiteral("--location \"%1\": its time zone in the location file is not between -12 and 12 hours.")
                          .arg(wanted)};
    return settings::SiteLocation{settings::LocationRecordName(record), fields.zoneHours,
                                  settings::ParseLocaleNumber(fields.latitude).value,
                                  settings::ParseLocaleNumber(fields.longitude).value};
  }
  return CliError{QStringLiteral("--location accepts a name from the location file; \"%1\" is not there.").arg(wanted)};
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
