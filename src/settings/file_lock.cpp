// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_lock.h"

#include <QDir>
#include <QFileInfo>

namespace settings {

FileLock::FileLock(const QString& path) : lockPath_(path + QStringLiteral(".lock")), lock_(lockPath_) {
  QDir().mkpath(QFileInfo(path).absolutePath()); // a failure shows in tryLock() below
  lock_.setStaleLockTime(kStaleLockMilliseconds);
  locked_ = lock_.tryLock(kLockWaitMilliseconds);
}

QString FileLock::reason() const {
  const QString lockFile = QDir::toNativeSeparators(lockPath_);
  switch (lock_.error()) {
    case QLockFile::NoError: return {};
    case QLockFile::LockFailedError:
      return QStringLiteral("another copy of the program kept its lock file %1 for over %2 seconds")
          .arg(lockFile)
          .arg(kLockWaitMilliseconds / 1000);
    case QLockFile::PermissionError:
    case QLockFile::UnknownError: break;
  }
  return QStringLiteral("its lock file %1 could not be made").arg(lockFile);
}

} // namespace settings
