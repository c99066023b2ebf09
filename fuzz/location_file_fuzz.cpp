// SPDX-License-Identifier: GPL-3.0-or-later
// The location file's reader, the record fields and the sorted list on
// arbitrary file contents: nothing crashes, fields never hold a bar, a record
// the location rule accepts is a usable place, the list
// stays sorted without equal neighbours after adds, and writing the list then
// reading it back gives the same list.

#include "places/location_file.h"
#include "places/location_inputs.h"
#include "places/location_record.h"

#include <QCollator>
#include <QLocale>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what, const QString& line) {
  std::fprintf(stderr, "%s: \"%s\"\n", what, line.toUtf8().constData());
  std::abort();
}

void CheckFields(const QString& record) {
  const QChar bar = QLatin1Char('|');
  if (places::LocationRecordName(record).contains(bar)) Fail("name holds a bar", record);
  const places::LocationFields f = places::ExtractLocationFields(record);
  if (f.latitude.contains(bar) || f.longitude.contains(bar)) Fail("field holds a bar", record);
  if (f.latitude.size() > 100 || f.longitude.size() > 100) Fail("field beyond 100 characters", record);
  if (f.zoneIndex && (*f.zoneIndex < 0 || *f.zoneIndex >= places::kZoneEntries)) Fail("zone index out", record);

  const QString rebuilt = places::FormatLocationRecord(places::LocationRecordName(record), f.latitude,
                                                         f.longitude, f.zoneIndex.value_or(24));
  if (rebuilt.count(bar) != 3 || rebuilt.indexOf(bar) != 25) Fail("rebuilt record misshapen", rebuilt);
  if (rebuilt.contains(QLatin1Char('\n')) || rebuilt.contains(QLatin1Char('\r'))) Fail("record breaks", rebuilt);
  // The reader keeps 100 characters after the name's bar; a zone beyond them is lost by design.
  const bool zoneWithinReach = rebuilt.size() - 26 <= 100;
  if (zoneWithinReach && places::ExtractLocationFields(rebuilt).zoneIndex != f.zoneIndex.value_or(24)) {
    Fail("zone drifted", rebuilt);
  }
}

// A record the location editor's rule accepts holds a usable place.
void CheckRule(const QString& record) {
  const auto checked = places::CheckLocationRecord(record);
  const auto* site = std::get_if<settings::SiteLocation>(&checked);
  if (site == nullptr) return;
  if (site->SiteName.trimmed().isEmpty()) Fail("blank name accepted", record);
  if (!(std::fabs(site->SiteLatitude) <= 90.0f) || !(std::fabs(site->SiteLongitude) <= 180.0f))
    Fail("position beyond the Earth accepted", record);
  if (!(std::fabs(site->SiteTimeZone) <= 12.0f) || std::fmod(site->SiteTimeZone * 2.0f, 1.0f) != 0.0f)
    Fail("zone not a half hour within 12 hours", record);
}

void CheckSorted(const places::LocationList& list, bool noEqualNeighbours) {
  QCollator collator{QLocale()};
  collator.setCaseSensitivity(Qt::CaseInsensitive);
  const QStringList& records = list.Records();
  for (qsizetype i = 1; i < records.size(); ++i) {
    const int order = collator.compare(records[i - 1], records[i]);
    if (order > 0) Fail("out of order", records[i]);
    if (noEqualNeighbours && order == 0) Fail("duplicate added", records[i]);
  }
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const QByteArray text(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
  const places::LocationList list = places::LocationListOfText(text);
  if (list.Names().size() != list.Size()) Fail("names and records differ in number", QString());
  CheckSorted(list, false);

  for (const QString& record : list.Records()) {
    CheckFields(record);
    CheckRule(record);
  }

  const places::LocationList again = places::LocationListOfText(places::LocationFileText(list));
  if (again != list) Fail("write and read back differ", QString());

  places::LocationList added;
  for (const QString& record : list.Records()) added.Add(record);
  CheckSorted(added, true);
  return 0;
}
