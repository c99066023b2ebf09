// SPDX-License-Identifier: GPL-3.0-or-later
#include "store_snapshot.h"

#include "regular_file_read.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace settings {

StoreSnapshot::StoreSnapshot(const QString& path) : path_(path) {
  // QSettings keeps what it read of a file by the file's name and may take a
  // file rewritten within the same millisecond at the same size for the one it
  // read: each snapshot reads the store through a link of its own. Nothing is
  // written on the way, so the values are read on a full disk too.
  const QString link = copyDir_.filePath(QStringLiteral("store.ini"));
  const QFileInfo info(path);
  if (info.exists() || info.isSymLink()) {
    const RegularFileRead read = ReadRegularFile(path, kMaxStoreFileBytes);
    if (!read.ok) reason_ = read.reason;
  }
  QString readFrom = path; // a missing store gives no values
  if (!reason_.isEmpty()) readFrom = QStringLiteral("/dev/null");
  else if (info.exists() && copyDir_.isValid() && QFile::link(info.absoluteFilePath(), link)) readFrom = link;
  values_ = std::make_unique<QSettings>(readFrom, QSettings::IniFormat);
}

QString StoreSnapshot::problem() const {
  if (reason_.isEmpty()) return {};
  return QCoreApplication::translate("settings", "The settings could not be read from %1 (%2).")
      .arg(QDir::toNativeSeparators(path_), reason_);
}

} // namespace settings
