// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// One record line of the location file: four fields separated by "|", no
// blanks added around the bars, lined up under the file's header:
//   name       exactly 25 characters, cut or filled with blanks on the right
//   latitude   the text as typed, at least 7 characters (see below)
//   longitude  the text as typed, at least 8 characters
//   zone       hours, West positive, shortest form, at least 3 characters
// "Zedir Izudiz,MI          | 42.97 |   85.6 |  5" is the first-run place;
// "Kathmandu, Nepal         | 27.71 |  -85.32 |-5.75" is a quarter-hour zone,
// "Apia, Samoa              |-13.83 | 171.76 |-13" one east of -12 hours.
// Numbers are written with a decimal point in every locale.

#include <QString>
#include <optional>

namespace places {

// The editor's zone choice: entry 0 is -14 hours (settings::kEastmostZone),
// each next entry a quarter of an hour more, entry 104 is +12 hours
// (settings::kWestmostZone).
inline constexpr int kZoneEntries = 105;

float ZoneHoursOfIndex(int zoneIndex);

// The zone choice entry of a zone in hours. A whole quarter hour is its own
// entry (Nepal's -5.75 stays -5.75); any other zone is rounded to the nearest
// half hour, as zones always were (5.3 gives 5.5). Empty outside the choice.
std::optional<int> ZoneIndexOfHours(float zoneHours);

// A record line. Latitude and longitude texts keep the user's own form: blanks
// around them are removed; a shorter text gets one blank after it, then blanks
// before it up to the field width; a longer one stays whole and widens the
// record; a text that is a number is written in the form every locale reads
// ("48,85" as "48.85", settings::PortableNumberText). A "|" anywhere in the
// texts would shift every later field when the line is read back, and a line
// break would split it in two, so each "|" becomes "/" and each control
// character a blank. zoneIndex must be an entry of the zone choice
// (0..kZoneEntries - 1); one outside is taken as the nearer end.
QString FormatLocationRecord(const QString& name, const QString& latitude, const QString& longitude, int zoneIndex);

// A text as it is kept in one field of a record: each "|" becomes "/" and each
// control character a blank. The location editor applies a typed name through
// this too, so that the current location and the list agree.
QString LocationFieldText(const QString& text);

// The name shown for a record: the text before the first "|" with trailing
// blanks removed; empty for a line without "|".
QString LocationRecordName(const QString& record);

struct LocationFields {
  QString latitude;              // text, blanks around it removed
  QString longitude;             // text, blanks around it removed
  QString zoneText;              // the zone as written, blanks around it removed
  bool zoneConverts = false;     // the zone text is a number
  float zoneHours = 0.0f;        // 0 when the zone text does not convert
  std::optional<int> zoneIndex;  // empty when the zone is outside -14..12 hours
};

// The fields after the name. A field runs to the next "|" or the line's end;
// each part after a bar is cut to its first 100 characters. A line without
// "|" gives empty texts and zone 0 (entry 56).
LocationFields ExtractLocationFields(const QString& record);

} // namespace places
