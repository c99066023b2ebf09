// SPDX-License-Identifier: GPL-3.0-or-later
// Saves of the settings store and the location list as copies of the program
// make them: two processes at the same moment, over files that are not what
// they should be, with the temporary folder unusable.

#include "places/location_file.h"
#include "settings/settings_store_save.h"
#include "settings/store_snapshot.h"
#include "settings/whole_file_write.h"

#include "../support/scoped_environment.h"
#include "test_support.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <functional>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/wait.h>
#include <unistd.h>

namespace places {
namespace {

// A place record of the list, named `name`.
QString Record(const QString& name) { return name.leftJustified(25) + QStringLiteral("| 10.00 |  20.00 | 0"); }

// Runs `save` for rounds 0..rounds-1 in each of two child processes, which
// start together once both are ready. True when both ended with every save
// reported done.
bool SaveInTwoProcessesAtOnce(int rounds, const std::function<bool(int copy, int round)>& save) {
  int start[2];
  if (::pipe(start) != 0) return false;
  pid_t children[2];
  for (int copy = 0; copy < 2; ++copy) {
    children[copy] = ::fork();
    if (children[copy] == 0) {
      ::close(start[1]);
      char go = 0;
      (void)::read(start[0], &go, 1); // returns when the parent closes its end
      for (int round = 0; round < rounds; ++round) {
        if (!save(copy, round)) ::_exit(1);
      }
      ::_exit(0);
    }
  }
  ::close(start[0]);
  ::close(start[1]);
  bool allSaved = true;
  for (const pid_t child : children) {
    int status = 0;
    allSaved = child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
               WEXITSTATUS(status) == 0 && allSaved;
  }
  return allSaved;
}

TEST(SavingAtOnce, TwoProcessesSavingTheStoreTogetherKeepEveryValueOfBoth) {
  const testing_support::TempStore temp;
  constexpr int kRounds = 25;
  ASSERT_TRUE(SaveInTwoProcessesAtOnce(kRounds, [&](int copy, int round) {
    return settings::SaveSettingsStore(temp.Path(), [&](QSettings& store) {
             store.setValue(QStringLiteral("Copy%1/Value%2").arg(copy).arg(round), round);
           }).ok;
  }));
  const settings::StoreSnapshot saved(temp.Path());
  for (int copy = 0; copy < 2; ++copy) {
    for (int round = 0; round < kRounds; ++round) {
      const QString key = QStringLiteral("Copy%1/Value%2").arg(copy).arg(round);
      EXPECT_TRUE(saved.values().contains(key)) << key.toStdString() << " was lost";
    }
  }
  EXPECT_FALSE(QFileInfo::exists(temp.Path() + QStringLiteral(".lock"))) << "the lock is left behind";
}

TEST(SavingAtOnce, TwoProcessesSavingTheListTogetherKeepEveryPlaceOfBoth) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QLatin1String(kLocationFileName));
  constexpr int kRounds = 15;
  // Each copy adds one place a round to the list as it last saved it.
  LocationList asRead[2];
  ASSERT_TRUE(SaveInTwoProcessesAtOnce(kRounds, [&](int copy, int round) {
    LocationList ours = asRead[copy];
    ours.Add(Record(QStringLiteral("Copy %1 Place %2").arg(copy).arg(round)));
    const LocationFileMerge saved = SaveMergedLocationFile(path, asRead[copy], ours);
    asRead[copy] = saved.list;
    return saved.ok;
  }));
  const LocationFileRead read = ReadLocationFile(path);
  ASSERT_TRUE(read.ok) << read.error.toStdString();
  EXPECT_EQ(read.list.Size(), 2 * kRounds) << read.list.Records().join('\n').toStdString();
}

// A link to a character device (that of /dev/null). As root, which may
// replace anything, the device is a node of the test's own beside the link,
// so that a save that wrongly replaced it would harm nothing else.
bool MakeDeviceLink(const QString& path) {
  if (::geteuid() != 0) return QFile::link(QStringLiteral("/dev/null"), path);
  const QString node = path + QStringLiteral(".device");
  return ::mknod(QFile::encodeName(node).constData(), S_IFCHR | 0666, ::makedev(1, 3)) == 0 && QFile::link(node, path);
}

// A lock file left by a copy that died while saving is taken over once stale,
// not waited for forever.
TEST(SavingAtOnce, AStaleLockIsTakenOver) {
  const testing_support::TempStore temp;
  const QString lock = temp.Path() + QStringLiteral(".lock");
  ASSERT_TRUE(settings::WriteWholeFile(lock, "4194304\nVesperon\nanother-host\n").ok); // a copy on another machine
  QFile lockFile(lock);
  ASSERT_TRUE(lockFile.open(QIODevice::ReadWrite));
  ASSERT_TRUE(lockFile.setFileTime(QDateTime::currentDateTime().addSecs(-60), QFileDevice::FileModificationTime));
  lockFile.close();
  const settings::SettingsStoreSave saved = settings::SaveSettingsStore(temp.Path(), [](QSettings& store) { store.setValue("Window/Top", 1); });
  EXPECT_TRUE(saved.ok) << saved.error.toStdString();
  EXPECT_FALSE(QFileInfo::exists(lock));
}

// What may stand where a file is saved, links followed, and is no regular file.
const struct {
  const char* kind;
  std::function<bool(const QString&)> make;
} kNoRegularFile[] = {
    {"a FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
    {"a link to a device", MakeDeviceLink},
    {"a folder", [](const QString& p) { return QDir().mkdir(p); }},
};

// A FIFO or a device where a file is saved is refused by name and stays what
// it was; a link to a regular file is written through and stays a link.
TEST(WriteWholeFile, RefusesWhatIsNoRegularFileAndWritesThroughALink) {
  for (const auto& c : kNoRegularFile) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("table.csv"));
    ASSERT_TRUE(c.make(path)) << c.kind;
    const QFileInfo made(path);
    const settings::WholeFileWrite written = settings::WriteWholeFile(path, "1,2\r\n");
    EXPECT_FALSE(written.ok) << c.kind;
    EXPECT_EQ(written.reason.toStdString(), "it is not a regular file") << c.kind;
    const QFileInfo after(path);
    EXPECT_EQ(after.isSymLink(), made.isSymLink()) << c.kind;
    EXPECT_EQ(after.isFile(), made.isFile()) << c.kind;
  }

  const QTemporaryDir dir;
  const QString target = dir.filePath(QStringLiteral("kept/table.csv"));
  const QString link = dir.filePath(QStringLiteral("table.csv"));
  ASSERT_TRUE(settings::WriteWholeFile(target, "old").ok);
  ASSERT_TRUE(QFile::link(target, link));
  ASSERT_TRUE(settings::WriteWholeFile(link, "new").ok);
  EXPECT_TRUE(QFileInfo(link).isSymLink());
  QFile written(target);
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_EQ(written.readAll(), "new");
}

// Save List over a Location.txt that became a FIFO, a device, a folder or a
// file too large to read: refused, the message naming the file, nothing
// replaced.
TEST(SaveMergedLocationFile, RefusesAFileItCannotReadAndLeavesItAsItIs) {
  auto cases = std::vector<std::pair<const char*, std::function<bool(const QString&)>>>{
      {"a file of 17 MiB", [](const QString& p) { QFile f(p); return f.open(QIODevice::WriteOnly) && f.resize(17 << 20); }}};
  for (const auto& c : kNoRegularFile) cases.emplace_back(c.kind, c.make);
  for (const auto& [kind, make] : cases) {
    const QTemporaryDir dir;
    const QString path = dir.filePath(QLatin1String(kLocationFileName));
    ASSERT_TRUE(make(path)) << kind;
    const QFileInfo made(path);
    const LocationFileMerge saved = SaveMergedLocationFile(path, {}, LocationList({Record(QStringLiteral("Here"))}));
    EXPECT_FALSE(saved.ok) << kind;
    EXPECT_TRUE(saved.error.startsWith(QStringLiteral("The location list could not be saved to %1 (").arg(path)))
        << saved.error.toStdString();
    const QFileInfo after(path);
    EXPECT_EQ(after.isSymLink(), made.isSymLink()) << kind;
    EXPECT_EQ(after.isFile(), made.isFile()) << kind;
    EXPECT_EQ(after.size(), made.size()) << kind;
  }
}

// Save List where Location.txt.lock is a FIFO, as a crash or a prank may leave
// it: the lock is taken over at once, never opened for reading (which would
// block for good). The child's alarm ends a blocked save.
TEST(SaveMergedLocationFile, AFifoForALockIsTakenOverAtOnce) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QLatin1String(kLocationFileName));
  ASSERT_TRUE(WriteLocationFile(path, LocationList({Record(QStringLiteral("There"))})).ok);
  ASSERT_EQ(::mkfifo(QFile::encodeName(path + QStringLiteral(".lock")).constData(), 0600), 0);
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(5);
    const LocationList here({Record(QStringLiteral("Here"))});
    ::_exit(SaveMergedLocationFile(path, {}, here).ok ? 0 : 1);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "saved, not blocked";
  const LocationFileRead read = ReadLocationFile(path);
  ASSERT_TRUE(read.ok);
  EXPECT_EQ(read.list.Size(), 2) << "the place there and the one added";
}

// The settings' own folder has room though the temporary folder has none
// (here: nothing can be made in it, as it is a file).
TEST(SaveSettingsStore, SavesWithoutTheTemporaryFolder) {
  const testing_support::TempStore temp;
  const QTemporaryDir unusable;
  const QString full = unusable.filePath(QStringLiteral("a file"));
  ASSERT_TRUE(settings::WriteWholeFile(full, "").ok);
  const ScopedEnvironment tmpdir("TMPDIR", QFile::encodeName(full));
  ASSERT_EQ(QDir::tempPath(), full);
  ASSERT_FALSE(QTemporaryDir().isValid());
  const settings::SettingsStoreSave saved = settings::SaveSettingsStore(temp.Path(), [](QSettings& store) { store.setValue("Window/Top", 12); });
  ASSERT_TRUE(saved.ok) << saved.error.toStdString();
  EXPECT_EQ(settings::StoreSnapshot(temp.Path()).values().value("Window/Top").toString().toStdString(), "12");
  EXPECT_EQ(QDir(QFileInfo(temp.Path()).path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
            QStringList{QStringLiteral("Vesperon.ini")})
      << "the work files and the lock are gone";
}

} // namespace
} // namespace places
