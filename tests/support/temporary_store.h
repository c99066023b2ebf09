// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A settings store in a temporary INI file, for windows under test.

#include <QSettings>
#include <QTemporaryDir>
#include <initializer_list>
#include <utility>

class TemporaryStore {
public:
  explicit TemporaryStore(std::initializer_list<std::pair<const char*, const char*>> values = {}) {
    QSettings store(path(), QSettings::IniFormat);
    store.setValue("Flags/Automode", "0"); // keep the stored time type
    for (const auto& [key, value] : values) store.setValue(key, value);
  }

  QString path() const { return dir_.filePath("Vesperon.ini"); }

  // The store a window reads and saves to.
  QString factory() const { return path(); }

  QString value(const char* key) const { return QSettings(path(), QSettings::IniFormat).value(key).toString(); }

private:
  QTemporaryDir dir_;
};
