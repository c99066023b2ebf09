// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Sets the default locale for one scope and puts US English back after it.

#include <QLocale>

class ScopedLocale {
public:
  explicit ScopedLocale(const QLocale& locale) { QLocale::setDefault(locale); }
  ~ScopedLocale() { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
  ScopedLocale(const ScopedLocale&) = delete;
  ScopedLocale& operator=(const ScopedLocale&) = delete;
};
