// SPDX-License-Identifier: GPL-3.0-or-later
// The lock beside a saved file, as the saves of the store and of the location
// list take it: what may stand at its path, a lock another copy holds, and a
// folder that takes no file.

#include "settings/file_lock.h"

#include "settings/settings_store_save.h"
#include "settings/whole_file_write.h"

#include "../support/scoped_file_size_limit.h"
#include "../support/unprivileged_child.h"
#include "test_support.h"

#include <QDateTime>
#include <QDir>
#include <QFileInfo>
#include <functional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace settings {
namespace {

using testing_support::TempStore;

// Longer than any save takes, shorter than the waits the lock once had: a
// save still running then has blocked or waited for nothing.
constexpr unsigned kHangSeconds = 5;

// Runs `body` in a child process that SIGALRM ends after kHangSeconds, so that
// a save blocked for good fails the test instead of hanging the run. The
// body's exit code, or -1 when the child did not end by itself.
int InChild(const std::function<int()>& body) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(kHangSeconds);
    ::_exit(body());
  }
  int status = 0;
  if (child < 0 || ::waitpid(child, &status, 0) != child) return -1;
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

QByteArray ReadBytes(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

SettingsStoreSave SaveTop(const QString& path, int top) {
  return SaveSettingsStore(path, [top](QSettings& store) { store.setValue("Window/Top", top); });
}

// The notices a save gave, counted while alive.
class NoticeLog {
public:
  NoticeLog() {
    SetLockWaitNotice([this](const QString& message) { messages_.append(message); });
  }
  ~NoticeLog() { SetLockWaitNotice({}); }
  const QStringList& messages() const { return messages_; }

private:
  QStringList messages_;
};

TEST(FileLock, WhatNoCopyOfTheProgramLeftIsTakenOverAtOnce) {
  const struct {
    const char* kind;
    std::function<bool(const QString&)> make;
  } cases[] = {
      {"a FIFO", [](const QString& p) { return ::mkfifo(QFile::encodeName(p).constData(), 0600) == 0; }},
      {"an empty folder", [](const QString& p) { return QDir().mkdir(p); }},
      {"a dangling link", [](const QString& p) { return QFile::link(p + QStringLiteral(".gone"), p); }},
      {"a file of garbage", [](const QString& p) { return WriteWholeFile(p, "not a lock\n\x01\x02").ok; }},
      {"a fresh empty file", [](const QString& p) { return WriteWholeFile(p, "").ok; }},
  };
  for (const auto& c : cases) {
    const TempStore temp;
    ASSERT_TRUE(SaveTop(temp.Path(), 1).ok);
    const QString lock = temp.Path() + QStringLiteral(".lock");
    ASSERT_TRUE(c.make(lock)) << c.kind;
    const int outcome = InChild([&] {
      const NoticeLog notices;
      const SettingsStoreSave saved = SaveTop(temp.Path(), 2);
      return saved.ok && notices.messages().isEmpty() ? 0 : 1;
    });
    EXPECT_EQ(outcome, 0) << c.kind << ": saved at once (-1: blocked or waited)";
    EXPECT_EQ(QSettings(temp.Path(), QSettings::IniFormat).value("Window/Top").toInt(), 2) << c.kind;
    EXPECT_FALSE(QFileInfo(lock).exists() || QFileInfo(lock).isSymLink()) << c.kind;
  }
}

TEST(FileLock, AFolderThatCannotBeRemovedIsRefusedAtOnceByName) {
  const TempStore temp;
  ASSERT_TRUE(SaveTop(temp.Path(), 1).ok);
  const QByteArray before = ReadBytes(temp.Path());
  const QString lock = temp.Path() + QStringLiteral(".lock");
  ASSERT_TRUE(QDir().mkpath(lock + QStringLiteral("/inside")));
  const int outcome = InChild([&] {
    const SettingsStoreSave saved = SaveTop(temp.Path(), 2);
    const QString expected = QStringLiteral("(its lock file %1 is a folder that could not be removed (").arg(lock);
    return !saved.ok && saved.error.contains(expected) ? 0 : 1;
  });
  EXPECT_EQ(outcome, 0) << "refused at once, naming the folder";
  EXPECT_EQ(ReadBytes(temp.Path()), before);
}

// Another copy holds the lock (here the test's own process, which lives): the
// save waits a few seconds, says so meanwhile, then gives up by name.
TEST(FileLock, ALiveLockIsWaitedForBrieflyAndTheWaitIsTold) {
  const TempStore temp;
  ASSERT_TRUE(SaveTop(temp.Path(), 1).ok);
  const QString lockPath = temp.Path() + QStringLiteral(".lock");
  QLockFile held(lockPath);
  ASSERT_TRUE(held.tryLock(0));
  const int outcome = InChild([&] {
    const NoticeLog notices;
    const SettingsStoreSave saved = SaveTop(temp.Path(), 2);
    const QStringList& told = notices.messages();
    const bool waitTold = !told.isEmpty() && told.first().contains(lockPath) &&
                          told.first().startsWith(QStringLiteral("Waiting up to 3 seconds")) && told.last().isEmpty();
    return !saved.ok && saved.error.contains(QStringLiteral("kept its lock file %1").arg(lockPath)) && waitTold ? 0 : 1;
  });
  EXPECT_EQ(outcome, 0);
  EXPECT_EQ(QSettings(temp.Path(), QSettings::IniFormat).value("Window/Top").toInt(), 1) << "nothing changed";
}

// A full disk or an unwritable folder: the message gives the folder and the
// system's reason, not the lock file, and the store is whole.
TEST(FileLock, AFolderThatTakesNoFileIsNamedWithTheReason) {
  const TempStore temp;
  ASSERT_TRUE(SaveTop(temp.Path(), 1).ok);
  const QByteArray before = ReadBytes(temp.Path());
  const QString folder = QFileInfo(temp.Path()).absolutePath();
  SettingsStoreSave full;
  {
    const ScopedFileSizeLimit limit(0);
    ASSERT_TRUE(limit.Active());
    full = SaveTop(temp.Path(), 2);
  }
  EXPECT_FALSE(full.ok);
  EXPECT_TRUE(full.error.contains(QStringLiteral("nothing can be written in its folder %1 (File too large)").arg(folder)))
      << full.error.toStdString();
  EXPECT_FALSE(full.error.contains(QStringLiteral("lock file"))) << full.error.toStdString();
  EXPECT_EQ(ReadBytes(temp.Path()), before);

  ASSERT_TRUE(testing_support::HandToChild(folder) && testing_support::HandToChild(temp.Path()));
  const testing_support::ChildOutcome readOnly = testing_support::RunUnprivileged([&](QByteArray& report) {
    if (::chmod(QFile::encodeName(folder).constData(), 0555) != 0) return 2;
    const SettingsStoreSave saved = SaveTop(temp.Path(), 3);
    report = saved.error.toUtf8();
    return !saved.ok && saved.error.contains(QStringLiteral("no file can be made in its folder %1 (").arg(folder)) ? 0 : 1;
  });
  ::chmod(QFile::encodeName(folder).constData(), 0755);
  EXPECT_EQ(readOnly.exitCode, 0) << readOnly.report.toStdString();
  EXPECT_EQ(ReadBytes(temp.Path()), before);
}

} // namespace
} // namespace settings
