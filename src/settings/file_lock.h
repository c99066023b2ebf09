// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Copies of the program that save one file at the same moment (both closing
// at a logout) each read the file, merge their changes into it and replace
// it: without a lock one copy's changes would be lost. The lock is a file
// beside the saved one, held only for the read, the merge and the rename.

#include <QLockFile>
#include <QString>

namespace settings {

// A lock held by a copy that has died, or kept longer than any save takes, is
// taken over after this time (milliseconds).
inline constexpr int kStaleLockMilliseconds = 10'000;
// How long a save waits for another copy's save to end (milliseconds).
inline constexpr int kLockWaitMilliseconds = 15'000;

class FileLock {
public:
  // Locks `path` + ".lock", waiting up to kLockWaitMilliseconds.
  explicit FileLock(const QString& path);

  bool locked() const { return locked_; }
  // When !locked(): why, such as "its lock file ... could not be made".
  QString reason() const;

private:
  QString lockPath_;
  QLockFile lock_;
  bool locked_ = false;
};

} // namespace settings
