// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Lets no file grow beyond a number of bytes while alive, as a full disk
// would: the write that would pass the limit fails with EFBIG ("File too
// large") instead of stopping the process with SIGXFSZ.

#include <csignal>
#include <sys/resource.h>

class ScopedFileSizeLimit {
public:
  explicit ScopedFileSizeLimit(rlim_t bytes) {
    previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
    ::getrlimit(RLIMIT_FSIZE, &previous_);
    rlimit limited = previous_;
    limited.rlim_cur = bytes;
    active_ = ::setrlimit(RLIMIT_FSIZE, &limited) == 0;
  }
  ~ScopedFileSizeLimit() {
    ::setrlimit(RLIMIT_FSIZE, &previous_);
    std::signal(SIGXFSZ, previousHandler_);
  }
  ScopedFileSizeLimit(const ScopedFileSizeLimit&) = delete;
  ScopedFileSizeLimit& operator=(const ScopedFileSizeLimit&) = delete;
  bool Active() const { return active_; }

private:
  rlimit previous_{};
  void (*previousHandler_)(int) = nullptr;
  bool active_ = false;
};
