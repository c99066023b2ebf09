// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The settings store's values as they are on the disk at one moment. QSettings
// never opens the store's path itself: a FIFO there would hang it and a link
// to /dev/zero would fill the memory. The file is read only when it is a
// regular file of sane size.

#include <QSettings>
#include <QString>
#include <QTemporaryDir>
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

private:
  QString path_;
  QTemporaryDir copyDir_; // holds the link the values are read through
  std::unique_ptr<QSettings> values_;
  QString reason_;
};

} // namespace settings
