// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A file that lives in memory only (memfd), reached through a path in /proc:
// for handing bytes to QSettings, which reads files by name, without a
// temporary folder that may be full, unwritable or on a slow disk.

#include <QByteArray>
#include <QString>

namespace settings {

class MemoryFile {
public:
  // Holds `bytes`. Each file gets a modification time of its own, so that
  // QSettings, which keeps what it read by name, size and time, never takes a
  // later file under a reused descriptor's name for an earlier one.
  explicit MemoryFile(const QByteArray& bytes);
  ~MemoryFile();
  MemoryFile(const MemoryFile&) = delete;
  MemoryFile& operator=(const MemoryFile&) = delete;

  bool ok() const { return fd_ >= 0; }
  // When ok(): a path that opens the file, such as "/proc/self/fd/7".
  QString path() const;
  // When !ok(): the system's reason.
  const QString& reason() const { return reason_; }

private:
  int fd_ = -1;
  QString reason_;
};

} // namespace settings
