// SPDX-License-Identifier: GPL-3.0-or-later
#include "location_inputs.h"

#include "location_record.h"
#include "settings/locale_number.h"

#include <QCoreApplication>

namespace places {
namespace {

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(places)
};

} // namespace

std::variant<settings::SiteLocation, LocationInputError> CheckLocationInputs(const LocationInputs& inputs) {
  const QString program = QStringLiteral("Vesperon");
  if (inputs.name.trimmed().isEmpty())
    return LocationInputError{LocationInputField::Name, Texts::tr("You must make an entry in the Current Location box."),
                              program};
  using settings::kLatitudeLimit, settings::kLongitudeLimit;
  const std::optional<float> longitude = settings::ParseNumberWithin(inputs.longitude, -kLongitudeLimit, kLongitudeLimit);
  if (!longitude)
    return LocationInputError{LocationInputField::Longitude,
                              Texts::tr("Longitude must be a number between 180 (West) and -180 (East)."),
                              Texts::tr("Longitude Error")};
  const std::optional<float> latitude = settings::ParseNumberWithin(inputs.latitude, -kLatitudeLimit, kLatitudeLimit);
  if (!latitude)
    return LocationInputError{LocationInputField::Latitude, Texts::tr("Latitude must be a number between 90 and -90."),
                              Texts::tr("Latitude Error")};
  if (!inputs.zoneIndex || *inputs.zoneIndex < 0 || *inputs.zoneIndex >= kZoneEntries)
    return LocationInputError{LocationInputField::Zone, Texts::tr("You must select a time zone."), program};
  return settings::SiteLocation{inputs.name, ZoneHoursOfIndex(*inputs.zoneIndex), *latitude, *longitude, {}};
}

std::variant<settings::SiteLocation, LocationInputError> CheckLocationRecord(const QString& record) {
  const LocationFields fields = ExtractLocationFields(record);
  const std::optional<int> zoneIndex = fields.zoneConverts ? fields.zoneIndex : std::nullopt;
  auto checked = CheckLocationInputs({LocationRecordName(record), fields.longitude, fields.latitude, zoneIndex});
  // A record has no zone choice to pick from: say what the zone must be.
  if (auto* error = std::get_if<LocationInputError>(&checked); error && error->field == LocationInputField::Zone)
    error->message = Texts::tr("The time zone must be a number of hours between -14 and 12.");
  return checked;
}

} // namespace places
