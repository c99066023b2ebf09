// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The rule a location must pass before it becomes the current location or a
// record of the list: the one check behind the location editor's Change and
// Add To List and behind vesperon-cli's --location.

#include "settings/settings_values.h"

#include <QString>
#include <optional>
#include <variant>

namespace places {

// A location as the editor's fields hold it.
struct LocationInputs {
  QString name;                  // as typed
  QString longitude;             // text, degrees, West positive
  QString latitude;              // text, degrees, North positive
  std::optional<int> zoneIndex;  // entry of the zone choice (ZoneIndexOfHours); empty when none is chosen
};

enum class LocationInputField { Name, Longitude, Latitude, Zone };

struct LocationInputError {
  LocationInputField field;
  QString message; // a sentence for the user, e.g. "Latitude must be a number between 90 and -90."
  QString title;   // the message box's title: "Vesperon", "Longitude Error" or "Latitude Error"
};

// Checks, in this order, that the name holds more than blanks, that longitude
// converts with ParseLocaleNumber and lies in -180..180 degrees, that latitude
// converts and lies in -90..90 degrees (both ends accepted), and that a zone
// entry is chosen. Gives the location to apply (the name as typed, the
// numbers in single precision, the zone in hours of the chosen entry) or the
// first failure.
std::variant<settings::SiteLocation, LocationInputError> CheckLocationInputs(const LocationInputs& inputs);

// The same check for a record line of the location file, whose zone the
// editor would show as its entry of the choice (ZoneIndexOfHours). A zone
// text that does not convert fails here as a zone outside -14..12 does, where
// the editor would silently show zone 0.
std::variant<settings::SiteLocation, LocationInputError> CheckLocationRecord(const QString& record);

} // namespace places
