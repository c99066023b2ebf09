// SPDX-License-Identifier: GPL-3.0-or-later
#include "regular_file_read.h"

#include <QCoreApplication>
#include <QFile>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {
namespace {

QString SystemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

} // namespace

RegularFileRead ReadRegularFile(const QString& path, qint64 maxBytes) {
  const auto refused = [](const QString& reason) { return RegularFileRead{false, {}, reason}; };
  // Opened without blocking, so that a FIFO cannot hang the program before it
  // is found to be no regular file.
  const int fd = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return refused(SystemReason());
  QFile file;
  if (!file.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
    ::close(fd);
    return refused(file.errorString());
  }
  struct stat status {};
  if (::fstat(fd, &status) != 0) return refused(SystemReason());
  if (!S_ISREG(status.st_mode)) return refused(QCoreApplication::translate("settings", "it is not a regular file"));
  const QString tooLarge = QCoreApplication::translate("settings", "it is larger than %1 MiB").arg(maxBytes / (1024 * 1024));
  if (status.st_size > maxBytes) return refused(tooLarge);

  // One byte more than allowed tells a file that grew too large meanwhile.
  const QByteArray bytes = file.read(maxBytes + 1);
  if (file.error() != QFileDevice::NoError) return refused(file.errorString());
  if (bytes.size() > maxBytes) return refused(tooLarge);
  return {true, bytes, {}};
}

} // namespace settings
