// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings store's values as they are on the disk at one moment. QSettings
// never opens the store's path itself: a FIFO there would hang it and a link
// to /dev/zero would fill the memory. The file is read only when it is a
// regular file of sane size. A line that is not valid UTF-8 is read as
// Latin-1 (the store is 8-bit text, as an older copy may have written it).

#include <QSettings>
#include <QString>
#include <memory>

namespace settings {

// The largest store read: the program's own values take a few kilobytes.
inline constexpr qint64 kMaxStoreFileBytes = 16 * 1024 * 1024;

class StoreSnapshot {
public:
  explicit StoreSnapshot(const QString& path);

  // The values read; none when the file is missing or refused.
  const QSettings& values() const { return *values_; }
  // Empty when the file was read or does not exist; else why it was refused,
  // such as "it is not a regular file".
  const QString& reason() const { return reason_; }
  // When refused: a sentence for the user naming the file and the reason.
  QString problem() const;
  // The file's bytes as read; none when it is missing or refused.
  const QByteArray& bytes() const { return bytes_; }

private:
  QString path_;
  QByteArray bytes_;
  std::unique_ptr<QSettings> values_;
  QString reason_;
};

} // namespace settings
