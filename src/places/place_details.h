// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the shipped list knows of a place beyond the fixed columns of
// Location.txt: the time zone its clocks keep and how many people live there.
// Built into the program from the generated data/place_details.tsv, one place
// a line: the record's name as Location.txt spells it, a tab, the IANA zone
// ("Europe/London"), a tab and the population (0 when unknown). Lines that
// begin with '#' are comments.

#include <QByteArray>
#include <QHash>
#include <QString>

namespace places {

struct PlaceDetails {
  QByteArray timeZoneId; // IANA name; empty when the list does not know it
  qint64 population = 0;
};

// Keyed by the record's name, trimmed.
using PlaceDetailsByName = QHash<QString, PlaceDetails>;

// The details of a text of such lines; a line with fewer than two fields is skipped.
PlaceDetailsByName ParsePlaceDetails(const QByteArray& text);

// The shipped list's details, read once.
const PlaceDetailsByName& ShippedPlaceDetails();

} // namespace places
