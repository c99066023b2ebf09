// SPDX-License-Identifier: GPL-3.0-or-later
#include "store_snapshot.h"

#include "regular_file_read.h"
#include "whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace settings {

StoreSnapshot::StoreSnapshot(const QString& path) : path_(path) {
  // QSettings keeps what it read of a file by the file's name: the copy's
  // folder is new each time, so each snapshot is read from the disk.
  const QString copy = copyDir_.filePath(QStringLiteral("store.ini"));
  const QFileInfo info(path);
  if (info.exists() || info.isSymLink()) {
    const RegularFileRead read = ReadRegularFile(path, kMaxStoreFileBytes);
    if (!read.ok) reason_ = read.reason;
    else if (!copyDir_.isValid()) reason_ = copyDir_.errorString();
    else if (const WholeFileWrite copied = WriteWholeFile(copy, read.bytes); !copied.ok) reason_ = copied.reason;
  }
  values_ = std::make_unique<QSettings>(copy, QSettings::IniFormat); // absent when refused
}

QString StoreSnapshot::problem() const {
  if (reason_.isEmpty()) return {};
  return QCoreApplication::translate("settings", "The settings could not be read from %1 (%2).")
      .arg(QDir::toNativeSeparators(path_), reason_);
}

} // namespace settings
