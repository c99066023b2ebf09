// SPDX-License-Identifier: GPL-3.0-or-later
#include "store_snapshot.h"

#include "eight_bit_text.h"
#include "memory_file.h"
#include "regular_file_read.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>

namespace settings {
namespace {

// Whether a QSettings of this process may have read the file at this path
// before (and so may keep what it read); notes it as read.
bool ReadBefore(const QString& absolutePath) {
  static QSet<QString> paths;
  if (paths.contains(absolutePath)) return true;
  paths.insert(absolutePath);
  return false;
}

} // namespace

StoreSnapshot::StoreSnapshot(const QString& path) : path_(path) {
  const QFileInfo info(path);
  const bool readBefore = ReadBefore(info.absoluteFilePath());
  if (!info.exists() && !info.isSymLink()) {
    values_ = std::make_unique<QSettings>(path, QSettings::IniFormat); // no values
    return;
  }
  const RegularFileRead read = ReadRegularFile(path, kMaxStoreFileBytes);
  if (!read.ok) {
    reason_ = read.reason;
    values_ = std::make_unique<QSettings>(QStringLiteral("/dev/null"), QSettings::IniFormat);
    return;
  }
  bytes_ = read.bytes;
  const QByteArray text = LinesAsUtf8(bytes_);
  if (text == bytes_ && !readBefore) {
    values_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
    return;
  }
  // QSettings keeps what it read of a file by the file's name and may take a
  // file rewritten within the same millisecond at the same size for the one it
  // read: a later snapshot, and every one with Latin-1 lines, reads a copy in
  // memory (QSettings reads it whole when made). No temporary folder is used:
  // a full or unwritable one must not cost a Latin-1 name its last letter.
  const MemoryFile copy(text);
  if (copy.ok()) {
    values_ = std::make_unique<QSettings>(copy.path(), QSettings::IniFormat);
  } else if (text == bytes_) {
    values_ = std::make_unique<QSettings>(path, QSettings::IniFormat);
  } else {
    reason_ = QCoreApplication::translate("settings", "its Latin-1 lines could not be decoded: %1").arg(copy.reason());
    bytes_.clear();
    values_ = std::make_unique<QSettings>(QStringLiteral("/dev/null"), QSettings::IniFormat);
  }
}

QString StoreSnapshot::problem() const {
  if (reason_.isEmpty()) return {};
  return QCoreApplication::translate("settings", "The settings could not be read from %1 (%2).")
      .arg(QDir::toNativeSeparators(path_), reason_);
}

} // namespace settings
