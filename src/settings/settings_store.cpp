// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_store.h"

#include "custom_colours.h"
#include "stored_location.h"
#include "stored_values.h"

#include <QCoreApplication>

namespace settings {
namespace {

constexpr int kLastTwilight = 2; // civil
constexpr int kLastTimeType = 2; // Universal Time
constexpr int kLastTFormat = 1;  // twenty-four-hour
constexpr ColourValue kLastColour = 0xFFFFFF;

ColourValue ReadColour(const QSettings& store, const QString& key, ColourValue fallback) {
  return static_cast<ColourValue>(ReadStoredInteger(store, key, static_cast<int>(fallback), 0, kLastColour));
}

} // namespace

std::unique_ptr<QSettings> OpenSettingsStore() {
  return std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Vesperon Software"),
                                     QStringLiteral("Vesperon"));
}

Settings LoadSettings(const QSettings& store, bool daylightSavingNow) {
  const Settings d;
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
  if (s.Automode) s.TimeType = daylightSavingNow ? 1 : 0;
  s.TFormat = ReadStoredInteger(store, QStringLiteral("Flags/TFormat"), d.TFormat, 0, kLastTFormat);
  s.NH = ReadStoredFlag(store, QStringLiteral("Flags/NH"), d.NH);
  s.Status = ReadStoredFlag(store, QStringLiteral("Flags/Status"), d.Status);
  s.BigMoon = ReadStoredFlag(store, QStringLiteral("Flags/BigMoon"), d.BigMoon);
  s.FormLength = ReadStoredFlag(store, QStringLiteral("Flags/FormLength"), d.FormLength);
  s.DC = ReadStoredFlag(store, QStringLiteral("Flags/DC"), d.DC);
  s.Hints = ReadStoredFlag(store, QStringLiteral("Flags/Hints"), d.Hints);

  s.CustomColors = ReadCustomColours(store);
  return s;
}

void SaveSettings(QSettings& store, const Settings& s) {
  if (!IsLocationStored(store)) WriteStoredLocation(store, s.Location);

  WriteStoredInteger(store, QStringLiteral("Window/Top"), s.Top);
  WriteStoredInteger(store, QStringLiteral("Window/Left"), s.Left);

  WriteStoredInteger(store, QStringLiteral("Colors/Background"), s.Background);
  WriteStoredInteger(store, QStringLiteral("Colors/Text"), s.Text);
  WriteStoredInteger(store, QStringLiteral("Colors/Moon"), s.Moon);

  WriteStoredFlag(store, QStringLiteral("Flags/Az"), s.WantAzimuth);
  WriteStoredFlag(store, QStringLiteral("Flags/Transit"), s.WantTransit);
  WriteStoredInteger(store, QStringLiteral("Flags/Twilight"), s.Twilight);
  WriteStoredFlag(store, QStringLiteral("Flags/LD"), s.LD);
  WriteStoredFlag(store, QStringLiteral("Flags/SunStart"), s.SunStart);
  WriteStoredFlag(store, QStringLiteral("Flags/Phase"), s.Phase);
  WriteStoredInteger(store, QStringLiteral("Flags/Time"), s.TimeType);
  WriteStoredInteger(store, QStringLiteral("Flags/TFormat"), s.TFormat);
  WriteStoredFlag(store, QStringLiteral("Flags/Status"), s.Status);
  WriteStoredFlag(store, QStringLiteral("Flags/BigMoon"), s.BigMoon);
  WriteStoredFlag(store, QStringLiteral("Flags/Automode"), s.Automode);
  WriteStoredFlag(store, QStringLiteral("Flags/FormLength"), s.FormLength);
  WriteStoredFlag(store, QStringLiteral("Flags/DC"), s.DC);
  WriteStoredFlag(store, QStringLiteral("Flags/Hints"), s.Hints);

  if (QCoreApplication::instance() != nullptr) {
    WriteStoredText(store, QStringLiteral("General/Path"), QCoreApplication::applicationFilePath());
  }

  WriteCustomColours(store, s.CustomColors);
}

int TFormatToStore(int tFormat, bool showSeconds, int tFormatBeforeSeconds) {
  return showSeconds ? tFormatBeforeSeconds : tFormat;
}

} // namespace settings
