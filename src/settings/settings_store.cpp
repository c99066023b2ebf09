// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_store.h"

#include "custom_colours.h"
#include "stored_location.h"
#include "stored_values.h"

#include <QCoreApplication>
#include <QStandardPaths>

namespace settings {
namespace {

constexpr int kLastTwilight = 2; // civil
constexpr int kLastTimeType = kLocalTimeType;
constexpr int kLastTFormat = 1;  // twenty-four-hour
constexpr ColourValue kLastColour = 0xFFFFFF;

ColourValue ReadColour(const QSettings& store, const QString& key, ColourValue fallback) {
  return static_cast<ColourValue>(ReadStoredInteger(store, key, static_cast<int>(fallback), 0, kLastColour));
}

} // namespace

QString SettingsStorePath() {
  return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
         QStringLiteral("/Vesperon Software/Vesperon.ini");
}

Settings LoadSettings(const QSettings& store, bool daylightSavingNow, const Settings& defaults) {
  const Settings& d = defaults;
  Settings s;
  s.Top = ReadStoredInteger(store, QStringLiteral("Window/Top"), d.Top);
  s.Left = ReadStoredInteger(store, QStringLiteral("Window/Left"), d.Left);

  s.Background = ReadColour(store, QStringLiteral("Colors/Background"), d.Background);
  s.Text = ReadColour(store, QStringLiteral("Colors/Text"), d.Text);
  s.Moon = ReadColour(store, QStringLiteral("Colors/Moon"), d.Moon);

  s.Location = ReadStoredLocation(store);

  s.WantAzimuth = ReadStoredFlag(store, QStringLiteral("Flags/Az"), d.WantAzimuth);
  s.WantTransit = ReadStoredFlag(store, QStringLiteral("Flags/Transit"), d.WantTransit);
  s.Twilight = ReadStoredInteger(store, QStringLiteral("Flags/Twilight"), d.Twilight, 0, kLastTwilight);
  s.LD = ReadStoredFlag(store, QStringLiteral("Flags/LD"), d.LD);
  s.SunStart = ReadStoredFlag(store, QStringLiteral("Flags/SunStart"), d.SunStart);
  s.Phase = ReadStoredFlag(store, QStringLiteral("Flags/Phase"), d.Phase);
  s.Automode = ReadStoredFlag(store, QStringLiteral("Flags/Automode"), d.Automode);
  s.TimeType = ReadStoredInteger(store, QStringLiteral("Flags/Time"), d.TimeType, 0, kLastTimeType);
  // Local Time already follows the place's clocks: the start-up choice is
  // only between standard and daylight time.
  if (s.Automode && s.TimeType != kLocalTimeType) s.TimeType = daylightSavingNow ? 1 : 0;
  s.TFormat = ReadStoredInteger(store, QStringLiteral("Flags/TFormat"), d.TFormat, 0, kLastTFormat);
  s.NH = ReadStoredFlag(store, QStringLiteral("Flags/NH"), d.NH);
  s.Status = ReadStoredFlag(store, QStringLiteral("Flags/Status"), d.Status);
  s.BigMoon = ReadStoredFlag(store, QStringLiteral("Flags/BigMoon"), d.BigMoon);
  s.FormLength = ReadStoredFlag(store, QStringLiteral("Flags/FormLength"), d.FormLength);
  s.DC = ReadStoredFlag(store, QStringLiteral("Flags/DC"), d.DC);
  s.Hints = ReadStoredFlag(store, QStringLiteral("Flags/Hints"), d.Hints);

  s.SkyEventsSaveDir = ReadStoredText(store, QStringLiteral("Window/SkyEventsSaveDir")).value_or(d.SkyEventsSaveDir);
  s.CustomColors = ReadCustomColours(store);
  return s;
}

namespace {

// The values of the "Window", "Colors" and "Flags" sections that SaveSettings
// writes (NH is the closing question's).
StoredTexts SettingsTexts(const Settings& s) {
  const auto flag = StoredFlagText;
  const auto number = StoredIntegerText;
  return {
      {QStringLiteral("Window/Top"), number(s.Top)},
      {QStringLiteral("Window/Left"), number(s.Left)},
      {QStringLiteral("Colors/Background"), number(s.Background)},
      {QStringLiteral("Colors/Text"), number(s.Text)},
      {QStringLiteral("Colors/Moon"), number(s.Moon)},
      {QStringLiteral("Flags/Az"), flag(s.WantAzimuth)},
      {QStringLiteral("Flags/Transit"), flag(s.WantTransit)},
      {QStringLiteral("Flags/Twilight"), number(s.Twilight)},
      {QStringLiteral("Flags/LD"), flag(s.LD)},
      {QStringLiteral("Flags/SunStart"), flag(s.SunStart)},
      {QStringLiteral("Flags/Phase"), flag(s.Phase)},
      {QStringLiteral("Flags/Time"), number(s.TimeType)},
      {QStringLiteral("Flags/TFormat"), number(s.TFormat)},
      {QStringLiteral("Flags/Status"), flag(s.Status)},
      {QStringLiteral("Flags/BigMoon"), flag(s.BigMoon)},
      {QStringLiteral("Flags/Automode"), flag(s.Automode)},
      {QStringLiteral("Flags/FormLength"), flag(s.FormLength)},
      {QStringLiteral("Flags/DC"), flag(s.DC)},
      {QStringLiteral("Flags/Hints"), flag(s.Hints)},
      {QStringLiteral("Window/SkyEventsSaveDir"), s.SkyEventsSaveDir},
  };
}

// Every value of `current` when loaded is null, else those SaveChangedSettings
// writes.
void Save(QSettings& store, const Settings* loaded, const Settings& current) {
  if (!IsLocationStored(store)) WriteStoredLocation(store, current.Location);
  WriteChangedTexts(store, loaded ? SettingsTexts(*loaded) : StoredTexts{}, SettingsTexts(current));
  if (QCoreApplication::instance() != nullptr) {
    WriteStoredText(store, QStringLiteral("General/Path"), QCoreApplication::applicationFilePath());
  }
  if (!loaded || loaded->CustomColors != current.CustomColors) WriteCustomColours(store, current.CustomColors);
}

} // namespace

void SaveSettings(QSettings& store, const Settings& s) { Save(store, nullptr, s); }

void SaveChangedSettings(QSettings& store, const Settings& loaded, const Settings& current) {
  Save(store, &loaded, current);
}

int TFormatToStore(int tFormat, bool showSeconds, int tFormatBeforeSeconds) {
  return showSeconds ? tFormatBeforeSeconds : tFormat;
}

} // namespace settings
