// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/locale_habits.h"
#include "settings/settings_store.h"
#include "settings/stored_location.h"

#include "settings/locale_number.h"
#include "settings/stored_location.h"

#include "scoped_locale.h"
#include "test_support.h"

#include <QCoreApplication>
#include <QDir>

namespace settings {
namespace {

using testing_support::Arabic;
using testing_support::German;
using testing_support::TempStore;

Settings LoadFrom(const TempStore& temp, bool daylight = false) { return LoadSettings(*temp.Open(), daylight); }

QString StoredText(const TempStore& temp, const char* key) {
  return temp.Open()->value(QLatin1String(key)).toString();
}

// Every value different from its default.
Settings Unusual() {
  Settings s;
  s.Top = -20;
  s.Left = 1900;
  s.Background = 0x000000;
  s.Text = 0x0080FF;
  s.Moon = 0xC0C0C0;
  s.Location = {QStringLiteral("Sydney, NSW"), -10.0f, -33.87f, -151.21f};
  s.WantAzimuth = true;
  s.WantTransit = false;
  s.Twilight = 0;
  s.LD = true;
  s.SunStart = false;
  s.Phase = false;
  s.Automode = false;
  s.TimeType = 2;
  s.TFormat = 1;
  s.NH = false;
  s.Status = false;
  s.BigMoon = false;
  s.FormLength = true;
  s.DC = false;
  s.Hints = false;
  s.CustomColors = QStringList{QStringLiteral("ColorA=ffffff"), QStringLiteral("ColorP=0080ff")};
  return s;
}

TEST(LoadSettings, FirstRunGivesTheDefaults) {
  const TempStore temp; // no file at all
  const Settings s = LoadFrom(temp);
  EXPECT_EQ(s, Settings{});
  // The first-run values, spelled out.
  EXPECT_EQ(s.Location.SiteName, QStringLiteral("Zedir Izudiz,MI"));
  EXPECT_EQ(s.Location.SiteLatitude, 42.97f);
  EXPECT_EQ(s.Location.SiteLongitude, 85.6f);
  EXPECT_EQ(s.Location.SiteTimeZone, 5.0f);
  EXPECT_EQ(s.Background, 8388608u) << "navy";
  EXPECT_EQ(s.Text, 65535u) << "yellow";
  EXPECT_EQ(s.Moon, 16777215u) << "white";
  EXPECT_EQ(s.Twilight, 2) << "civil";
  EXPECT_TRUE(s.SunStart);
  EXPECT_FALSE(s.LD) << "one-letter weekday headers";
  EXPECT_EQ(s.Top, 5);
  EXPECT_EQ(s.Left, 5);
}

TEST(LoadSettings, TheWindowsFirstRunTakesTheClockAndWeekOfTheUsersCountryAndAStoredChoiceRules) {
  const struct {
    const char* locale;
    int tFormat;
    bool sunStart;
  } cases[] = {
      {"en_US", 0, true}, {"C", 0, true},      {"de_DE", 1, false}, {"fr_FR", 1, false},
      {"es_ES", 1, false}, {"ru_RU", 1, false}, {"en_GB", 1, false}, {"en_AU", 0, false},
  };
  for (const auto& c : cases) {
    const ScopedLocale locale{QLocale(QLatin1String(c.locale))};
    const TempStore empty;
    const Settings first = LoadSettings(*empty.Open(), false, LocaleHabitDefaults());
    EXPECT_EQ(first.TFormat, c.tFormat) << c.locale;
    EXPECT_EQ(first.SunStart, c.sunStart) << c.locale;

    const TempStore chosen;
    chosen.WriteRaw(QByteArray("[Flags]\nTFormat=") + (c.tFormat ? "0" : "1") + "\nSunStart=" + (c.sunStart ? "0" : "1") + "\n");
    const Settings stored = LoadSettings(*chosen.Open(), false, LocaleHabitDefaults());
    EXPECT_EQ(stored.TFormat, 1 - c.tFormat) << c.locale;
    EXPECT_EQ(stored.SunStart, !c.sunStart) << c.locale;
  }
}

TEST(LoadSettings, EmptyAndDamagedStoresGiveTheDefaults) {
  const QByteArray contents[] = {
      QByteArray(),
      QByteArray("\n\n\n"),
      QByteArray::fromHex("00fffe015b5b5b803d00"), // binary, with NUL bytes
      QByteArray("[Flags]\nAz\nTwilight\n"),
      QByteArray("Top=100\nLeft=100\n"), // outside any section
      QByteArray("[Window]\n=5\n[]\nTop\n"),
  };
  for (const QByteArray& bytes : contents) {
    const TempStore temp;
    temp.WriteRaw(bytes);
    EXPECT_EQ(LoadFrom(temp), Settings{}) << bytes.toHex().toStdString();
  }
}

TEST(LoadSettings, UnreadableValuesTakeDefaultsAndUnreadableNumbersZero) {
  const TempStore temp;
  temp.WriteRaw("[Window]\nTop=top\nLeft=\n"
                "[Colors]\nBackground=navy\nText=0x1000000\nMoon=-1\n"
                "[Location]\nTimeZone=five\nLatitude=\nLongitude=85.6.1\n"
                "[Flags]\nAz=yes\nTransit=off\nTwilight=7\nTime=4\nTFormat=2\nAutomode=no\nHints=0.5\n");
  const Settings s = LoadFrom(temp);
  Settings expected;
  expected.Location.SiteTimeZone = 0.0f;
  expected.Location.SiteLatitude = 0.0f;
  expected.Location.SiteLongitude = 0.0f;
  EXPECT_EQ(s, expected);
}

TEST(LoadSettings, LocationNumbersBeyondTheEarthBecomeZero) {
  for (const char* zone : {"12.25", "-14.25"}) {
    const TempStore temp;
    temp.WriteRaw(QByteArray("[Location]\nTimeZone=") + zone + "\nLatitude=-90.5\nLongitude=1e30\n");
    const SiteLocation l = LoadFrom(temp).Location;
    EXPECT_EQ(l.SiteTimeZone, 0.0f) << zone;
    EXPECT_EQ(l.SiteLatitude, 0.0f);
    EXPECT_EQ(l.SiteLongitude, 0.0f);
  }
}

TEST(LoadSettings, LocationLimitsThemselvesAreKept) {
  for (const float zone : {-14.0f, -13.0f, -5.75f, 12.0f}) {
    const TempStore temp;
    temp.WriteRaw("[Location]\nTimeZone=" + FormatSettingNumber(zone).toLatin1() + "\nLatitude=90\nLongitude=-180\n");
    const SiteLocation l = LoadFrom(temp).Location;
    EXPECT_EQ(l.SiteTimeZone, zone);
    EXPECT_EQ(l.SiteLatitude, 90.0f);
    EXPECT_EQ(l.SiteLongitude, -180.0f);
  }
}

// A number that cannot be used is told once, naming the store, the value and
// the range; an absent one takes the first-run value and says nothing.
TEST(StoredLocationNotices, NameEachNumberThatCannotBeUsed) {
  const TempStore temp;
  temp.WriteRaw("[Location]\nTimeZone=13\nLatitude=\"42\xd9\xab\x39\x37x\"\n");
  const auto store = temp.Open();
  const SiteLocation l = LoadSettings(*store, false).Location;
  EXPECT_EQ(l.SiteTimeZone, 0.0f);
  EXPECT_EQ(l.SiteLatitude, 0.0f);
  EXPECT_EQ(l.SiteLongitude, 85.6f) << "absent: the first-run value";
  const QString path = QDir::toNativeSeparators(temp.Path());
  EXPECT_EQ(StoredLocationNotices(*store, temp.Path()),
            (QStringList{QStringLiteral("The time zone stored in %1, \"13\", is not a number from -14 to 12; 0 is used "
                                        "instead.").arg(path),
                         QString::fromUtf8("The latitude stored in %1, \"42\u066B97x\", is not a number from -90 to 90; 0 "
                                           "is used instead.").arg(path)}));
  const TempStore good;
  good.WriteRaw("[Location]\nTimeZone=-13\nLatitude=42,97\n");
  EXPECT_TRUE(StoredLocationNotices(*good.Open(), good.Path()).isEmpty());
}

TEST(LoadSettings, AcceptsHexadecimalIntegers) {
  const TempStore temp;
  temp.WriteRaw("[Window]\nTop=0x10\nLeft=0XFF\n"
                "[Colors]\nBackground=0x00FF00\nText=0xffffff\nMoon=0x0\n"
                "[Flags]\nAz=0x1\nTwilight=0x1\n");
  const Settings s = LoadFrom(temp);
  EXPECT_EQ(s.Top, 16);
  EXPECT_EQ(s.Left, 255);
  EXPECT_EQ(s.Background, 0x00FF00u);
  EXPECT_EQ(s.Text, 0xFFFFFFu);
  EXPECT_EQ(s.Moon, 0u);
  EXPECT_TRUE(s.WantAzimuth);
  EXPECT_EQ(s.Twilight, 1);
}

struct AutomodeCase {
  const char* automode;
  const char* storedTime;
  bool daylight;
  int expected;
  const char* note;
};

TEST(LoadSettings, AutomodeReplacesTheStoredTimeType) {
  const AutomodeCase cases[] = {
      {"1", "2", true, 1, "Universal Time replaced by daylight time"},
      {"1", "2", false, 0, "Universal Time replaced by standard time"},
      {"1", "0", true, 1, "standard replaced by daylight"},
      {"1", "1", false, 0, "daylight replaced by standard"},
      {"0", "2", true, 2, "without Automode the stored type stays"},
      {"0", "1", false, 1, "without Automode the stored type stays"},
      {"1", "3", false, 3, "local time stays: it already follows the clocks"},
      {"1", "3", true, 3, "local time stays in daylight time too"},
      {"0", "9", true, 0, "an impossible stored type takes the default"},
  };
  for (const AutomodeCase& c : cases) {
    const TempStore temp;
    temp.WriteRaw(QByteArray("[Flags]\nAutomode=") + c.automode + "\nTime=" + c.storedTime + "\n");
    EXPECT_EQ(LoadFrom(temp, c.daylight).TimeType, c.expected) << c.note;
  }
}

// The place's IANA zone round-trips under its own key; a store written before
// the key existed reads as a place without a zone, and saving a place without
// one leaves no stale key behind.
TEST(StoredLocation, ZoneIdRoundTripsAndOldStoresHaveNone) {
  const TempStore temp;
  temp.WriteRaw("[Location]\nCity=London\nTimeZone=0\nLatitude=51.5\nLongitude=0.12\n");
  EXPECT_TRUE(LoadFrom(temp).Location.SiteZoneId.isEmpty());
  for (const QString& zone : {QStringLiteral("Europe/London"), QStringLiteral("UTC+05:45"), QString()}) {
    SiteLocation place = LoadFrom(temp).Location;
    place.SiteZoneId = zone;
    WriteStoredLocation(*temp.Open(), place);
    EXPECT_EQ(LoadFrom(temp).Location, place) << zone.toStdString();
    EXPECT_EQ(temp.Open()->contains(QStringLiteral("Location/ZoneId")), !zone.isEmpty()) << zone.toStdString();
  }
}

TEST(LoadSettings, AutomodeIsOnWhenNothingIsStored) {
  const TempStore temp;
  EXPECT_EQ(LoadFrom(temp, true).TimeType, 1);
  EXPECT_EQ(LoadFrom(temp, false).TimeType, 0);
}

TEST(LoadSettings, ReadsLocationNumbersStoredInAnyLocalesForm) {
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), German(), Arabic(), QLocale::c()}) {
    const ScopedLocale pinned(locale);
    const char* forms[] = {"[Location]\nLatitude=\"42,97\"\nLongitude=\"-85,6\"\nTimeZone=\"5,5\"\n",
                           "[Location]\nLatitude=42.97\nLongitude=-85.6\nTimeZone=5.5\n",
                           "[Location]\nLatitude=42,97\nLongitude=-85,6\nTimeZone=5,5\n", // unquoted commas
                           // As written under Arabic: the Arabic separator, then Arabic-Indic digits.
                           "[Location]\nLatitude=42\xd9\xab\x39\x37\nLongitude=-85\xd9\xab\x36\nTimeZone=5\xd9\xab\x35\n",
                           "[Location]\nLatitude=\xd9\xa4\xd9\xa2\xd9\xab\xd9\xa9\xd9\xa7\n"
                           "Longitude=-\xd9\xa8\xd9\xa5\xd9\xab\xd9\xa6\nTimeZone=\xd9\xa5\xd9\xab\xd9\xa5\n"};
    for (const char* form : forms) {
      const TempStore temp;
      temp.WriteRaw(form);
      const SiteLocation l = LoadFrom(temp).Location;
      EXPECT_EQ(l.SiteLatitude, 42.97f) << locale.name().toStdString() << " " << form;
      EXPECT_EQ(l.SiteLongitude, -85.6f) << locale.name().toStdString() << " " << form;
      EXPECT_EQ(l.SiteTimeZone, 5.5f) << locale.name().toStdString() << " " << form;
    }
  }
}

TEST(SaveSettings, RoundTripsEveryValue) {
  const TempStore temp;
  const Settings saved = Unusual();
  SaveSettings(*temp.Open(), saved);
  // The location and NH are not SaveSettings' to write once a location is
  // stored; on a first run the location is written, NH never.
  Settings expected = saved;
  expected.NH = true;
  EXPECT_EQ(LoadFrom(temp), expected);
}

struct StoredTextCase {
  const char* key;
  const char* text;
};

TEST(SaveSettings, WritesTheStoredTextForms) {
  const TempStore temp;
  SaveSettings(*temp.Open(), Settings{});
  const StoredTextCase cases[] = {
      {"Window/Top", "5"},         {"Window/Left", "5"},
      {"Colors/Background", "8388608"}, {"Colors/Text", "65535"}, {"Colors/Moon", "16777215"},
      {"Location/City", "Zedir Izudiz,MI"}, {"Location/TimeZone", "5"},
      {"Location/Latitude", "42.97"}, {"Location/Longitude", "85.6"},
      {"Flags/Az", "0"},           {"Flags/Transit", "1"},   {"Flags/Twilight", "2"},
      {"Flags/LD", "0"},           {"Flags/SunStart", "1"},  {"Flags/Phase", "1"},
      {"Flags/Time", "0"},         {"Flags/TFormat", "0"},   {"Flags/Status", "1"},
      {"Flags/BigMoon", "1"},      {"Flags/Automode", "1"},  {"Flags/FormLength", "0"},
      {"Flags/DC", "1"},           {"Flags/Hints", "1"},
  };
  for (const StoredTextCase& c : cases) EXPECT_EQ(StoredText(temp, c.key), QLatin1String(c.text)) << c.key;
  EXPECT_FALSE(temp.Open()->contains(QStringLiteral("Flags/NH"))) << "the closing question writes NH";
}

TEST(SaveSettings, WritesTheProgramPath) {
  const TempStore temp;
  SaveSettings(*temp.Open(), Settings{});
  EXPECT_EQ(StoredText(temp, "General/Path"), QCoreApplication::applicationFilePath());
  EXPECT_FALSE(QCoreApplication::applicationFilePath().isEmpty());
}

// What one language writes, another (and the C locale) reads the same.
TEST(SaveSettings, WritesNumbersWithADecimalPointInEveryLocale) {
  for (const QLocale& writer : {German(), Arabic()}) {
    const TempStore temp;
    Settings s;
    s.Location = {QStringLiteral("Kathmandu"), -5.75f, 27.71f, -85.32f};
    {
      const ScopedLocale pinned(writer);
      SaveSettings(*temp.Open(), s);
    }
    EXPECT_EQ(StoredText(temp, "Location/Latitude"), QStringLiteral("27.71")) << writer.name().toStdString();
    EXPECT_EQ(StoredText(temp, "Location/Longitude"), QStringLiteral("-85.32")) << writer.name().toStdString();
    EXPECT_EQ(StoredText(temp, "Location/TimeZone"), QStringLiteral("-5.75")) << writer.name().toStdString();
    for (const QLocale& reader : {writer, QLocale::c()}) {
      const ScopedLocale pinned(reader);
      EXPECT_EQ(LoadFrom(temp).Location, s.Location) << writer.name().toStdString() << " read under "
                                                     << reader.name().toStdString();
    }
  }
}

TEST(SaveSettings, WritesTheLocationOnlyWhenNoneIsStored) {
  const TempStore temp;
  Settings first;
  first.Location = {QStringLiteral("Typed Place"), 6.0f, 41.5f, 87.75f};
  SaveSettings(*temp.Open(), first); // first run: written although nobody was asked
  EXPECT_EQ(LoadFrom(temp).Location, first.Location);

  Settings later = first;
  later.Location = {QStringLiteral("Elsewhere"), -1.0f, 10.0f, 20.0f};
  SaveSettings(*temp.Open(), later); // the closing question's business now
  EXPECT_EQ(LoadFrom(temp).Location, first.Location);
}

TEST(SaveSettings, TreatsTheNeverWrittenLatitudeMarkerAsNoLocation) {
  const TempStore temp;
  temp.WriteRaw("[Location]\nCity=Old\nLatitude=100\n");
  Settings s;
  s.Location.SiteName = QStringLiteral("New");
  SaveSettings(*temp.Open(), s);
  EXPECT_EQ(StoredText(temp, "Location/City"), QStringLiteral("New"));
  EXPECT_EQ(StoredText(temp, "Location/Latitude"), QStringLiteral("42.97"));
}

TEST(TFormatToStore, KeepsTheFormatChosenBeforeSeconds) {
  EXPECT_EQ(TFormatToStore(1, true, 0), 0) << "seconds on over the 12-hour clock";
  EXPECT_EQ(TFormatToStore(1, true, 1), 1) << "seconds on over the 24-hour clock";
  EXPECT_EQ(TFormatToStore(0, false, 1), 0) << "seconds off: the format in force";
  EXPECT_EQ(TFormatToStore(1, false, 0), 1) << "seconds off: the format in force";
}

TEST(CustomColours, AreReadAsNameValueEntriesAndWrittenBack) {
  const TempStore temp;
  temp.WriteRaw("[CustomColors]\nColorA=ffffff\nColorB=c0c0c0\nColorP=0080ff\n");
  const Settings loaded = LoadFrom(temp);
  EXPECT_EQ(loaded.CustomColors, (QStringList{QStringLiteral("ColorA=ffffff"), QStringLiteral("ColorB=c0c0c0"),
                                              QStringLiteral("ColorP=0080ff")}));

  Settings changed = loaded;
  changed.CustomColors = QStringList{QStringLiteral("ColorA=000000"),
                                     QStringLiteral("ColorC=1234567890abcdefXYZ"), // cut to twelve
                                     QStringLiteral("ColorQ=ffffff"),              // no such colour
                                     QStringLiteral("Color"),                      // no value at all
                                     QStringLiteral("ColorDffffff")};              // no "="
  SaveSettings(*temp.Open(), changed);
  EXPECT_EQ(LoadFrom(temp).CustomColors,
            (QStringList{QStringLiteral("ColorA=000000"), QStringLiteral("ColorC=1234567890ab")}))
      << "the section is replaced: ColorB and ColorP are gone, malformed entries left out";
}

TEST(CustomColours, AStrayValueInTheStoreDoesNotSurviveASave) {
  const TempStore temp;
  temp.WriteRaw("[CustomColors]\nColorA=ffffff\nJunk=12\n");
  const Settings loaded = LoadFrom(temp);
  EXPECT_EQ(loaded.CustomColors, (QStringList{QStringLiteral("ColorA=ffffff"), QStringLiteral("Junk=12")}));
  SaveSettings(*temp.Open(), loaded);
  EXPECT_EQ(LoadFrom(temp).CustomColors, QStringList{QStringLiteral("ColorA=ffffff")});
}

// (The command-line tool's process tests read a store put in the folder that
// XDG_CONFIG_HOME names.)
TEST(SettingsStorePath, IsTheIniFileInTheUsersConfigurationFolder) {
  // The tests run in QStandardPaths' test mode, which keeps them off the
  // user's own folder.
  EXPECT_EQ(SettingsStorePath(), QDir::homePath() + QStringLiteral("/.qttest/config/Vesperon Software/Vesperon.ini"));
}

} // namespace
} // namespace settings
