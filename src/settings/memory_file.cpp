// SPDX-License-Identifier: GPL-3.0-or-later
#include "memory_file.h"

#include <QCoreApplication>

#include <atomic>
#include <cerrno>
#include <cstring>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

namespace settings {
namespace {

QString SystemReason() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Whole seconds apart, as QFileInfo tells times to the millisecond only.
timespec NextModificationTime() {
  static std::atomic<time_t> next{946'684'800}; // 2000-01-01 00:00 UTC, in seconds from 1970
  return {next.fetch_add(1), 0};
}

} // namespace

MemoryFile::MemoryFile(const QByteArray& bytes) {
  const int fd = ::memfd_create("vesperon-store", MFD_CLOEXEC);
  if (fd < 0) {
    reason_ = SystemReason();
    return;
  }
  for (qsizetype done = 0; done < bytes.size();) {
    const ssize_t n = ::write(fd, bytes.constData() + done, static_cast<size_t>(bytes.size() - done));
    if (n <= 0) {
      reason_ = n < 0 ? SystemReason() : QCoreApplication::translate("settings", "not every byte could be written");
      ::close(fd);
      return;
    }
    done += n;
  }
  const timespec when = NextModificationTime();
  const timespec times[2] = {when, when}; // access, modification
  if (::futimens(fd, times) != 0) {
    reason_ = SystemReason();
    ::close(fd);
    return;
  }
  fd_ = fd;
}

MemoryFile::~MemoryFile() {
  if (fd_ >= 0) ::close(fd_);
}

QString MemoryFile::path() const { return QStringLiteral("/proc/self/fd/%1").arg(fd_); }

} // namespace settings
