// SPDX-License-Identifier: GPL-3.0-or-later
// LoadSettings and LoadListWindowSettings on arbitrary INI files: nothing
// crashes, every value lands in its range, saving over the file succeeds, and
// saving what was loaded into an empty store then loading again gives the same
// settings.

#include "settings/list_window_settings.h"
#include "settings/settings_store.h"
#include "settings/settings_store_save.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTemporaryDir>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

void Fail(const char* what) {
  std::fprintf(stderr, "%s\n", what);
  std::abort();
}

// A fresh file name for every input: QSettings caches files by name. Saving
// syncs the file to disk, so a memory file system keeps the runs fast.
QString NextPath() {
  static QTemporaryDir dir(QDir(QStringLiteral("/dev/shm")).exists()
                               ? QStringLiteral("/dev/shm/vesperon-fuzz-XXXXXX")
                               : QDir::tempPath() + QStringLiteral("/vesperon-fuzz-XXXXXX"));
  static quint64 counter = 0;
  return dir.filePath(QStringLiteral("store%1.ini").arg(++counter));
}

void CheckRanges(const settings::Settings& s) {
  if (s.Twilight < 0 || s.Twilight > 2) Fail("Twilight out of range");
  if (s.TimeType < 0 || s.TimeType > 2) Fail("Time out of range");
  if (s.TFormat < 0 || s.TFormat > 1) Fail("TFormat out of range");
  if (s.Background > 0xFFFFFF || s.Text > 0xFFFFFF || s.Moon > 0xFFFFFF) Fail("colour with a high byte");
  const settings::SiteLocation& l = s.Location;
  if (!(std::fabs(l.SiteLatitude) <= settings::kLatitudeLimit)) Fail("latitude out of range");
  if (!(std::fabs(l.SiteLongitude) <= settings::kLongitudeLimit)) Fail("longitude out of range");
  if (!(l.SiteTimeZone >= settings::kEastmostZone && l.SiteTimeZone <= settings::kWestmostZone)) Fail("zone out of range");
}

void CheckRanges(const settings::ListWindowSettings& s) {
  if (s.CMode < 0 || s.CMode > 2) Fail("CMode out of range");
  if (s.SSize < 8 || s.SSize > 14) Fail("SSize out of range");
  if (s.Group5 && s.Group7) Fail("grouped both ways");
  if (s.SName.trimmed().isEmpty()) Fail("blank font name");
}

bool Near(float a, float b) { return std::fabs(a - b) <= std::fabs(b) * 1e-6f + 1e-30f; }

bool IsWrittenCustomColour(const QString& entry) {
  return entry.size() >= 7 && entry.startsWith(QLatin1String("Color")) && entry[5] >= QLatin1Char('A') &&
         entry[5] <= QLatin1Char('P') && entry[6] == QLatin1Char('=');
}

void CheckRoundTrip(const settings::Settings& loaded, const settings::ListWindowSettings& list, bool daylight) {
  const QString path = NextPath();
  {
    QSettings store(path, QSettings::IniFormat);
    settings::SaveSettings(store, loaded);
    settings::SaveListWindowSettings(store, list);
  }
  settings::Settings again;
  settings::ListWindowSettings listAgain;
  {
    const QSettings store(path, QSettings::IniFormat);
    again = settings::LoadSettings(store, daylight);
    listAgain = settings::LoadListWindowSettings(store);
  }
  QFile::remove(path);

  settings::Settings expected = loaded;
  expected.NH = true; // the closing question writes NH, not SaveSettings
  expected.CustomColors.clear();
  for (const QString& entry : loaded.CustomColors) {
    if (IsWrittenCustomColour(entry)) expected.CustomColors.append(entry.left(7) + entry.mid(7, 12));
  }
  const settings::SiteLocation& l = again.Location;
  const settings::SiteLocation& e = expected.Location;
  if (!Near(l.SiteLatitude, e.SiteLatitude) || !Near(l.SiteLongitude, e.SiteLongitude) ||
      !Near(l.SiteTimeZone, e.SiteTimeZone)) {
    Fail("location numbers drifted");
  }
  if (l.SiteName != e.SiteName) Fail("city name changed");
  again.Location = expected.Location;
  if (!(again == expected)) Fail("settings changed on a round trip");
  if (!(listAgain == list)) Fail("month table settings changed on a round trip");
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  // The checked save stages its copies in the temporary folder; every commit
  // there is synced to the disk unless it is a memory file system.
  if (QDir(QStringLiteral("/dev/shm")).exists()) qputenv("TMPDIR", "/dev/shm");
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const bool daylight = size > 0 && (data[0] & 1) != 0;
  const QString path = NextPath();
  {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) Fail("cannot write the input file");
    file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
  }
  settings::Settings loaded;
  settings::ListWindowSettings list;
  {
    const QSettings store(path, QSettings::IniFormat);
    loaded = settings::LoadSettings(store, daylight);
    list = settings::LoadListWindowSettings(store);
  }
  // Saving over the input goes through the checked copy, whose comparison of
  // what was meant with what was read back must hold for any store.
  const settings::SettingsStoreSave saved =
      settings::SaveSettingsStore(path, [&loaded](QSettings& store) { settings::SaveSettings(store, loaded); });
  if (!saved.ok) Fail(saved.error.toUtf8().constData());
  QFile::remove(path);

  CheckRanges(loaded);
  CheckRanges(list);
  CheckRoundTrip(loaded, list, daylight);
  return 0;
}
