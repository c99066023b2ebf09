// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings_store_save.h"

#include "settings_store.h"

#include "../support/scoped_file_size_limit.h"
#include "test_support.h"

#include <QDir>
#include <cerrno>
#include <cstring>

namespace settings {
namespace {

using testing::TempStore;

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

} // namespace
} // namespace settings
