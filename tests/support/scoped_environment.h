// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sets an environment variable while alive.

#include <QByteArray>
#include <QtGlobal>

class ScopedEnvironment {
public:
  ScopedEnvironment(const char* name, const QByteArray& value) : name_(name), previous_(qgetenv(name)) {
    qputenv(name, value);
  }
  ~ScopedEnvironment() { qputenv(name_, previous_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

private:
  const char* name_;
  QByteArray previous_;
};
