// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Copies of the program that save one file at the same moment (both closing
// at a logout) each read the file, merge their changes into it and replace
// it: without a lock one copy's changes would be lost. The lock is a file
// beside the saved one, held only for the read, the merge and the rename.
//
// What stands at the lock's path is looked at before QLockFile opens it: a
// FIFO there would block QLockFile's read of it for good. A lock that no copy
// of the program can have made (a FIFO, a folder, a link, an empty or
// unreadable file that is no fresh lock) is taken over at once, or refused at
// once when it cannot be removed.

#include <QLockFile>
#include <QString>
#include <functional>

namespace settings {

// A lock held by a copy that has died on another machine, or kept longer than
// any save takes, is taken over after this time (milliseconds). A lock of a
// process of this machine that has ended is taken over at once.
inline constexpr int kStaleLockMilliseconds = 10'000;
// How long a save waits for another copy's save to end (milliseconds): a save
// takes a few milliseconds.
inline constexpr int kLockWaitMilliseconds = 3'000;
// How long an empty lock file may stand before it is taken over: QLockFile
// writes its lock's contents right after making the file (milliseconds).
inline constexpr int kEmptyLockMilliseconds = 100;

// Called with a sentence for the user when a save starts to wait for another
// copy's lock, again while it waits (so that a window can repaint), and with
// an empty text when the wait ends.
using LockWaitNotice = std::function<void(const QString& message)>;
// The notice every FileLock calls; none by default.
void SetLockWaitNotice(LockWaitNotice notice);

class FileLock {
public:
  // Locks `path` + ".lock", waiting up to kLockWaitMilliseconds for a lock
  // another live copy holds.
  explicit FileLock(const QString& path);

  bool locked() const { return locked_; }
  // When !locked(): why, such as "its lock file ... is a folder that could not
  // be removed (Directory not empty)".
  const QString& reason() const { return reason_; }

private:
  // Takes over what stands at the lock's path when it is no lock of a copy of
  // the program; false, with reason_ set, when that cannot be done.
  bool ClearOddLock();
  QString WaitMessage() const;
  QString FailureReason() const;

  QString lockPath_;
  QLockFile lock_;
  bool locked_ = false;
  QString reason_;
};

} // namespace settings
