// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/settings_store_save.h"

#include "settings/settings_store.h"
#include "settings/store_snapshot.h"
#include "settings/stored_location.h"
#include "settings/whole_file_write.h"

#include "../support/scoped_environment.h"
#include "../support/scoped_file_size_limit.h"
#include "test_support.h"

#include <QDir>
#include <cerrno>
#include <functional>
#include <sys/stat.h>
#include <cstring>

namespace settings {
namespace {

using testing_support::TempStore;

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A store holding the settings and `extraKeys` values of another writer.
void FillStore(const QString& path, int extraKeys) {
  const SettingsStoreSave saved = SaveSettingsStore(path, [&](QSettings& store) {
    SaveSettings(store, Settings{});
    for (int i = 0; i < extraKeys; ++i) store.setValue(QStringLiteral("Other/Key%1").arg(i), i);
  });
  ASSERT_TRUE(saved.ok) << saved.error.toStdString();
}

TEST(SaveSettingsStore, SavesTheValuesAndKeepsThoseOfOtherWriters) {
  const TempStore temp;
  const QString path = QFileInfo(temp.Path()).dir().filePath(QStringLiteral("new folder/Vesperon.ini"));
  FillStore(path, 2);
  Settings changed;
  changed.Top = 300;
  changed.Twilight = 0;
  const SettingsStoreSave saved = SaveSettingsStore(path, [&](QSettings& store) { SaveSettings(store, changed); });
  ASSERT_TRUE(saved.ok) << saved.error.toStdString();
  const QSettings store(path, QSettings::IniFormat);
  EXPECT_EQ(LoadSettings(store, false), changed);
  EXPECT_EQ(store.value(QStringLiteral("Other/Key1")).toString(), QStringLiteral("1"));
}

// Found by fuzzing: damaged stores once made every save fail. QSettings reads
// the first with a FormatError, writes the list of the second back as a list
// of variants and the key of the third, in a section without a name, under
// another name.
TEST(SaveSettingsStore, SavesOverAStoreThatQSettingsReadsOddly) {
  const QByteArray damaged[] = {QByteArray("\0[Flags]\nTwilight=1\n[Location]\nLatitude=100\n", 44),
                                QByteArray("[Other]\nList=a,b\0c\n", 19), QByteArray("[\nX]\nCity=a\n")};
  for (const QByteArray& bytes : damaged) {
    const TempStore temp;
    temp.WriteRaw(bytes);
    Settings changed;
    changed.Top = 123;
    const SettingsStoreSave saved =
        SaveSettingsStore(temp.Path(), [&](QSettings& store) { SaveSettings(store, changed); });
    ASSERT_TRUE(saved.ok) << saved.error.toStdString();
    EXPECT_EQ(LoadSettings(*temp.Open(), false).Top, 123);
  }
}

// A plain QSettings reports success here and leaves a store under 16 KiB
// empty or cut: its buffered data go out in a final flush whose failure it
// misses.
TEST(SaveSettingsStore, ASaveStoppedByAFileSizeLimitIsReportedAndTheOldFileKept) {
  struct Case {
    int extraKeys; // 100: a 1.3 kB store; 2000: over 16 kB
    rlim_t limit;  // bytes
  };
  const Case cases[] = {{0, 0}, {100, 0}, {100, 1024}, {2000, 0}, {2000, 1024}};
  for (const Case& c : cases) {
    const TempStore temp;
    FillStore(temp.Path(), c.extraKeys);
    const QByteArray oldBytes = ReadBytes(temp.Path());
    Settings changed;
    changed.Left = 777;
    SettingsStoreSave saved;
    {
      const ScopedFileSizeLimit limit(c.limit);
      ASSERT_TRUE(limit.Active());
      saved = SaveSettingsStore(temp.Path(), [&](QSettings& store) { SaveSettings(store, changed); });
    }
    const std::string label = std::to_string(oldBytes.size()) + " bytes, limit " + std::to_string(c.limit);
    EXPECT_FALSE(saved.ok) << label;
    EXPECT_TRUE(saved.error.contains(QDir::toNativeSeparators(temp.Path()))) << label << saved.error.toStdString();
    EXPECT_TRUE(ReadBytes(temp.Path()) == oldBytes) << label << ": the old file is whole";
    EXPECT_EQ(QDir(QFileInfo(temp.Path()).path()).entryList(QDir::Files), QStringList{QStringLiteral("Vesperon.ini")})
        << label << ": nothing else is left beside it";
  }
}

TEST(SaveSettingsStore, AStoreThatIsNoRegularFileOfSaneSizeIsRefusedAndLeftAsItIs) {
  const struct {
    const char* kind;
    std::function<bool(const QString&)> make;
    const char* reason;
  } cases[] = {
      {"a FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; },
       "(it is not a regular file)"},
      {"a link to /dev/zero", [](const QString& p) { return QFile::link(QStringLiteral("/dev/zero"), p); },
       "(it is not a regular file)"},
      {"a folder", [](const QString& p) { return QDir().mkdir(p); }, "(it is not a regular file)"},
      {"a file of 17 MiB", [](const QString& p) { QFile f(p); return f.open(QIODevice::WriteOnly) && f.resize(17 << 20); },
       "(it is larger than 16 MiB)"},
  };
  for (const auto& c : cases) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Vesperon.ini"));
    ASSERT_TRUE(c.make(path)) << c.kind;
    const QFileInfo made(path);
    const SettingsStoreSave saved = SaveSettingsStore(path, [](QSettings& store) { SaveSettings(store, Settings{}); });
    EXPECT_FALSE(saved.ok) << c.kind;
    EXPECT_TRUE(saved.error.contains(path + QStringLiteral(" ") + QLatin1String(c.reason))) << saved.error.toStdString();
    const QFileInfo after(path);
    EXPECT_EQ(after.symLinkTarget(), made.symLinkTarget()) << c.kind;
    EXPECT_EQ(after.isDir(), made.isDir()) << c.kind;
    EXPECT_EQ(after.isFile(), made.isFile()) << c.kind;
    EXPECT_EQ(after.size(), made.size()) << c.kind;
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot).size(), 1) << c.kind;
  }
}

TEST(StoreSnapshot, ReadsTheStoreWhereNothingCanBeWritten) {
  const TempStore temp;
  ASSERT_TRUE(SaveSettingsStore(temp.Path(), [](QSettings& store) { store.setValue("Window/Top", "321"); }).ok);
  const ScopedFileSizeLimit limit(0); // as a full disk
  ASSERT_TRUE(limit.Active());
  const StoreSnapshot snapshot(temp.Path());
  EXPECT_TRUE(snapshot.reason().isEmpty()) << snapshot.reason().toStdString();
  EXPECT_EQ(LoadSettings(snapshot.values(), false).Top, 321);
}

TEST(SaveChangedSettings, WritesWhatTheSessionChangedAndKeepsWhatAnotherCopySavedMeanwhile) {
  const TempStore temp;
  FillStore(temp.Path(), 0);
  const Settings loaded = LoadSettings(StoreSnapshot(temp.Path()).values(), false);
  // Another copy saves a colour and a twilight kind meanwhile.
  ASSERT_TRUE(SaveSettingsStore(temp.Path(), [](QSettings& store) {
                store.setValue("Colors/Background", "255");
                store.setValue("Flags/Twilight", "0");
              }).ok);
  Settings current = loaded;
  current.Status = false;
  current.CustomColors = {QStringLiteral("ColorB=00ff00")};
  const SettingsStoreSave saved =
      SaveSettingsStore(temp.Path(), [&](QSettings& store) { SaveChangedSettings(store, loaded, current); });
  ASSERT_TRUE(saved.ok) << saved.error.toStdString();
  const Settings now = LoadSettings(StoreSnapshot(temp.Path()).values(), false);
  EXPECT_EQ(now.Background, 255u);
  EXPECT_EQ(now.Twilight, 0);
  EXPECT_FALSE(now.Status);
  EXPECT_EQ(now.CustomColors, current.CustomColors);
}

// A name an 8-bit system stored in Latin-1 reads as Latin-1 and, left alone
// by the session, keeps its bytes when the store is saved.
TEST(SaveChangedSettings, ALatin1NameReadsAsLatin1AndKeepsItsBytesWhenUnchanged) {
  const TempStore temp;
  temp.WriteRaw("[Location]\r\nCity=Caf\xe9 du Nord\r\nTimeZone=0\r\nLatitude=45\r\nLongitude=-5\r\n"
                "[Window]\r\nTop=10\r\n");
  const Settings loaded = LoadSettings(StoreSnapshot(temp.Path()).values(), false);
  EXPECT_EQ(loaded.Location.SiteName, QStringLiteral("Caf\u00e9 du Nord"));
  Settings current = loaded;
  current.Top = 20;
  const SettingsStoreSave saved =
      SaveSettingsStore(temp.Path(), [&](QSettings& store) { SaveChangedSettings(store, loaded, current); });
  ASSERT_TRUE(saved.ok) << saved.error.toStdString();
  const QByteArray bytes = ReadBytes(temp.Path());
  EXPECT_TRUE(bytes.contains("\nCity=Caf\xe9 du Nord")) << bytes.toStdString();
  EXPECT_EQ(LoadSettings(StoreSnapshot(temp.Path()).values(), false).Top, 20);
}

// The store is read and saved without the temporary folder: a Latin-1 name
// keeps its last letter when that folder is unusable, and where nothing at
// all can be written the save fails with the store whole.
TEST(SaveChangedSettings, ALatin1NameSurvivesAnUnusableTemporaryFolder) {
  const QTemporaryDir elsewhere;
  const QString aFile = elsewhere.filePath(QStringLiteral("a file"));
  ASSERT_TRUE(WriteWholeFile(aFile, "").ok);
  const struct {
    const char* note;
    QString tmpdir;
    rlim_t sizeLimit; // bytes; RLIM_INFINITY: none
    bool saves;
  } cases[] = {
      {"TMPDIR is a file", aFile, RLIM_INFINITY, true},
      {"TMPDIR is missing", elsewhere.filePath(QStringLiteral("gone")), RLIM_INFINITY, true},
      {"no file may grow (a full disk)", elsewhere.path(), 0, false},
  };
  const QByteArray original = "[Location]\nCity=Bogot\xe1\nTimeZone=5\nLatitude=4.6\nLongitude=74.08\n[Window]\nTop=10\n";
  for (const auto& c : cases) {
    const TempStore temp;
    temp.WriteRaw(original);
    const ScopedEnvironment tmpdir("TMPDIR", QFile::encodeName(c.tmpdir));
    Settings loaded;
    SettingsStoreSave saved;
    {
      const ScopedFileSizeLimit limit(c.sizeLimit);
      loaded = LoadSettings(StoreSnapshot(temp.Path()).values(), false);
      Settings current = loaded;
      current.Top = 20;
      saved = SaveSettingsStore(temp.Path(), [&](QSettings& store) { SaveChangedSettings(store, loaded, current); });
    }
    if (c.saves) EXPECT_EQ(loaded.Location.SiteName, QStringLiteral("Bogot\u00e1")) << c.note;
    EXPECT_EQ(saved.ok, c.saves) << c.note << ": " << saved.error.toStdString();
    const QByteArray bytes = ReadBytes(temp.Path());
    EXPECT_TRUE(bytes.contains("\nCity=Bogot\xe1\n")) << c.note << ": " << bytes.toStdString();
    EXPECT_EQ(LoadSettings(StoreSnapshot(temp.Path()).values(), false).Location.SiteName, QStringLiteral("Bogot\u00e1"))
        << c.note;
  }
}

// A stored name of megabytes is cut to 256 characters when read, and the
// user is told once, by a sentence naming the store.
TEST(ReadStoredLocation, CutsANameOver256CharactersAndSaysSo) {
  const TempStore temp;
  for (const qsizetype length : {qsizetype(256), qsizetype(5'000'000)}) {
    ASSERT_TRUE(SaveSettingsStore(temp.Path(), [&](QSettings& store) {
                  store.setValue("Location/City", QString(length, QLatin1Char('x')));
                }).ok);
    const StoreSnapshot snapshot(temp.Path());
    EXPECT_EQ(LoadSettings(snapshot.values(), false).Location.SiteName.size(), std::min<qsizetype>(length, 256));
    const QString notice = StoredLocationNotices(snapshot.values(), temp.Path()).join(QLatin1Char('\n'));
    if (length <= 256) {
      EXPECT_TRUE(notice.isEmpty()) << notice.toStdString();
    } else {
      EXPECT_EQ(notice, QStringLiteral("The place name stored in %1 is longer than 256 characters; only its first 256 "
                                       "are used.")
                            .arg(temp.Path()));
    }
  }
}

} // namespace
} // namespace settings
