// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_lock.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QThread>
#include <cerrno>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {
namespace {

constexpr int kPollMilliseconds = 50;
// A wait shorter than this is not told: a notice that flashes is no help.
constexpr int kQuietWaitMilliseconds = 250;

LockWaitNotice& Notice() {
  static LockWaitNotice notice;
  return notice;
}

void Tell(const QString& message) {
  if (Notice()) Notice()(message);
}

QString SystemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(settings)
};

// Why a lock file that is no regular file stays, told by what it is: %1 the
// lock file, %2 the system's reason.
QString OddLockReason(mode_t mode) {
  if (S_ISDIR(mode)) return Texts::tr("its lock file %1 is a folder that could not be removed (%2)");
  if (S_ISLNK(mode)) return Texts::tr("its lock file %1 is a link that could not be removed (%2)");
  if (S_ISFIFO(mode)) return Texts::tr("its lock file %1 is a FIFO that could not be removed (%2)");
  if (S_ISSOCK(mode)) return Texts::tr("its lock file %1 is a socket that could not be removed (%2)");
  return Texts::tr("its lock file %1 is a device that could not be removed (%2)");
}

// Whether a regular lock file holds no lock of a copy of the program: empty
// for longer than QLockFile takes to fill it, or not a lock's contents.
bool HoldsNoLock(const QString& lockPath, const struct stat& status) {
  if (status.st_size == 0) {
    const qint64 age = QFileInfo(lockPath).lastModified().msecsTo(QDateTime::currentDateTime());
    return age > kEmptyLockMilliseconds || age < 0;
  }
  qint64 pid = 0;
  QString host, application;
  return !QLockFile(lockPath).getLockInfo(&pid, &host, &application);
}

} // namespace

void SetLockWaitNotice(LockWaitNotice notice) { Notice() = std::move(notice); }

FileLock::FileLock(const QString& path) : lockPath_(path + QStringLiteral(".lock")), lock_(lockPath_) {
  QDir().mkpath(QFileInfo(path).absolutePath()); // a failure shows in tryLock() below
  lock_.setStaleLockTime(kStaleLockMilliseconds);
  const QDeadlineTimer deadline(kLockWaitMilliseconds);
  const QDeadlineTimer quiet(kQuietWaitMilliseconds);
  bool told = false;
  // Each attempt looks at the path first: a FIFO may be put there meanwhile.
  while (ClearOddLock()) {
    if (lock_.tryLock(0)) {
      locked_ = true;
      break;
    }
    if (lock_.error() != QLockFile::LockFailedError || deadline.hasExpired()) {
      reason_ = FailureReason();
      break;
    }
    if (quiet.hasExpired()) {
      Tell(WaitMessage());
      told = true;
    }
    QThread::msleep(kPollMilliseconds);
  }
  if (told) Tell({});
}

bool FileLock::ClearOddLock() {
  const QByteArray name = QFile::encodeName(lockPath_);
  struct stat status {};
  if (::lstat(name.constData(), &status) != 0) return true; // no lock
  const QString lockFile = QDir::toNativeSeparators(lockPath_);
  if (S_ISREG(status.st_mode)) {
    if (!HoldsNoLock(lockPath_, status)) return true; // QLockFile tells a live lock from a stale one
    if (::unlink(name.constData()) == 0 || errno == ENOENT) return true;
    reason_ = Texts::tr("its lock file %1 holds no lock and could not be removed (%2)").arg(lockFile, SystemReason());
    return false;
  }
  const int removed = S_ISDIR(status.st_mode) ? ::rmdir(name.constData()) : ::unlink(name.constData());
  if (removed == 0 || errno == ENOENT) return true;
  reason_ = OddLockReason(status.st_mode).arg(lockFile, SystemReason());
  return false;
}

QString FileLock::WaitMessage() const {
  qint64 pid = 0;
  QString host, application;
  const int seconds = kLockWaitMilliseconds / 1000;
  const QString lockFile = QDir::toNativeSeparators(lockPath_);
  if (lock_.getLockInfo(&pid, &host, &application)) {
    return Texts::tr("Waiting up to %1 seconds for another copy of the program (process %2 on %3) to finish saving; "
                     "it holds the lock file %4.")
        .arg(seconds)
        .arg(pid)
        .arg(host, lockFile);
  }
  return Texts::tr("Waiting up to %1 seconds for another copy of the program to finish saving; "
                   "it holds the lock file %2.")
      .arg(seconds)
      .arg(lockFile);
}

// Why the lock could not be had. QLockFile tells no cause of its own failure
// to make the lock file: a file made in the same folder tells whether the
// folder takes no file (read-only, full disk) or the lock file alone failed.
QString FileLock::FailureReason() const {
  const QString lockFile = QDir::toNativeSeparators(lockPath_);
  if (lock_.error() == QLockFile::LockFailedError) {
    return Texts::tr("another copy of the program kept its lock file %1 for over %2 seconds")
        .arg(lockFile)
        .arg(kLockWaitMilliseconds / 1000);
  }
  const QString folder = QFileInfo(lockPath_).absolutePath();
  QTemporaryFile probe(QDir(folder).filePath(QStringLiteral(".vesperon-probe-XXXXXX")));
  const QByteArray line(64, 'x'); // as long as a lock's contents
  if (!probe.open()) {
    return Texts::tr("no file can be made in its folder %1 (%2)").arg(QDir::toNativeSeparators(folder), probe.errorString());
  }
  if (probe.write(line) != line.size() || !probe.flush()) {
    return Texts::tr("nothing can be written in its folder %1 (%2)")
        .arg(QDir::toNativeSeparators(folder), probe.errorString());
  }
  return Texts::tr("its lock file %1 could not be made").arg(lockFile);
}

} // namespace settings
