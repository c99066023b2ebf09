// SPDX-License-Identifier: GPL-3.0-or-later
#include "store_snapshot.h"

#include "eight_bit_text.h"
#include "regular_file_read.h"
#include "whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QTemporaryDir>

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
  // read: a later snapshot reads the store through a name of its own, in a
  // temporary folder that goes as soon as QSettings has read the file (it
  // reads it whole when made), so that a run cut short leaves none behind.
  // The name is a link when every line is UTF-8: nothing is written on the
  // way, so the values are read on a full disk too.
  const QTemporaryDir copyDir;
  const QString copy = copyDir.filePath(QStringLiteral("store.ini"));
  const bool made = copyDir.isValid() &&
                    (text == bytes_ ? QFile::link(info.absoluteFilePath(), copy) : WriteWholeFile(copy, text).ok);
  values_ = std::make_unique<QSettings>(made ? copy : path, QSettings::IniFormat);
}

QString StoreSnapshot::problem() const {
  if (reason_.isEmpty()) return {};
  return QCoreApplication::translate("settings", "The settings could not be read from %1 (%2).")
      .arg(QDir::toNativeSeparators(path_), reason_);
}

} // namespace settings
