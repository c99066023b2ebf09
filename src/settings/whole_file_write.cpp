// SPDX-License-Identifier: GPL-3.0-or-later
#include "whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSaveFile>
#include <csignal>
#include <sys/stat.h>

namespace settings {
namespace {

// Qt keeps "Unknown error" as the text of a device without an error.
QString ReasonOf(const QSaveFile& file) {
  return file.error() == QFileDevice::NoError ? QCoreApplication::translate("settings", "not every byte could be written")
                                              : file.errorString();
}

} // namespace

WholeFileWrite WriteWholeFile(const QString& path, const QByteArray& bytes) {
  // A FIFO, a device or a folder there (after the links) is never replaced by
  // a regular file. A link to a regular file stays a link: QSaveFile writes
  // to the file it leads to.
  struct stat status {};
  if (::stat(QFile::encodeName(path).constData(), &status) == 0 && !S_ISREG(status.st_mode))
    return {false, QCoreApplication::translate("settings", "it is not a regular file")};
  QDir().mkpath(QFileInfo(path).absolutePath()); // a failure shows in open() below

  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) return {false, file.errorString()};

  // A write that stops short (a file-size limit reached halfway) reports no
  // error of its own; the next one meets the limit and says why.
  qsizetype done = 0;
  while (done < bytes.size()) {
    const qint64 written = file.write(bytes.constData() + done, bytes.size() - done);
    if (written <= 0) {
      const QString reason = ReasonOf(file);
      file.cancelWriting(); // the temporary file goes, the old one stays
      return {false, reason};
    }
    done += written;
  }
  if (!file.commit()) return {false, ReasonOf(file)};
  return {true, {}};
}

void IgnoreFileSizeSignal() { std::signal(SIGXFSZ, SIG_IGN); }

} // namespace settings
