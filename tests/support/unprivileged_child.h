// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Tests of unwritable folders that also bind root: root ignores file
// permissions, and the tests run as root in CI. The body runs in a forked
// child that, when started by root, first becomes the user "nobody".

#include <QByteArray>
#include <QString>
#include <functional>
#include <grp.h>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

namespace testing_support {

inline constexpr uid_t kNobody = 65534;

// Gives a file or folder to the user the child runs as; nothing to do when the
// tests do not run as root. False when it could not be done.
inline bool HandToChild(const QString& path) {
  return ::geteuid() != 0 || ::chown(path.toLocal8Bit().constData(), kNobody, kNobody) == 0;
}

struct ChildOutcome {
  int exitCode = -1; // the body's result; -1 when the child did not end normally
  QByteArray report; // what the body wrote into `report`
};

// Runs `body` in a child process without root's privileges and returns its
// result (0..125) and report. Exit code 126 means privileges could not be dropped.
inline ChildOutcome RunUnprivileged(const std::function<int(QByteArray& report)>& body) {
  int channel[2];
  if (::pipe(channel) != 0) return {};
  const pid_t child = ::fork();
  if (child < 0) return {};
  if (child == 0) {
    ::close(channel[0]);
    if (::geteuid() == 0 &&
        (::setgroups(0, nullptr) != 0 || ::setgid(kNobody) != 0 || ::setuid(kNobody) != 0 || ::geteuid() == 0)) {
      ::_exit(126);
    }
    QByteArray report;
    const int code = body(report);
    for (qsizetype sent = 0; sent < report.size();) {
      const ssize_t n = ::write(channel[1], report.constData() + sent, static_cast<size_t>(report.size() - sent));
      if (n <= 0) break;
      sent += n;
    }
    ::_exit(code);
  }
  ::close(channel[1]);
  ChildOutcome outcome;
  char buffer[4096];
  for (ssize_t n; (n = ::read(channel[0], buffer, sizeof buffer)) > 0;) outcome.report.append(buffer, n);
  ::close(channel[0]);
  int status = 0;
  if (::waitpid(child, &status, 0) == child && WIFEXITED(status)) outcome.exitCode = WEXITSTATUS(status);
  return outcome;
}

} // namespace testing_support
