// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// A month table window over a fixed day view (March 2024 at the default site,
// standard time, 12-hour clock), for the widget tests.

#include "../support/temporary_store.h"
#include "month_table_window/list_window.h"
#include "settings/list_window_settings.h"
#include "test_site.h"

#include <QDate>
#include <memory>

namespace month_table_window {

inline MainWindowReading March2024() {
  MainWindowReading main;
  main.state = testing_support::DayViewAt(QDate(2024, 3, 17));
  main.background = QColor(0, 0, 128);
  main.text = QColor(255, 255, 0);
  return main;
}

// The window reads `main` at every List and show (its copies, prints and
// saves keep what the last List read), so a test may change it between them.
struct ListWindowUnderTest {
  explicit ListWindowUnderTest(std::initializer_list<std::pair<const char*, const char*>> stored = {})
      : store(stored),
        window(std::make_unique<TfrmList>(
            nullptr, settings::LoadListWindowSettings(QSettings(store.path(), QSettings::IniFormat)),
            [this] { return main; })) {}

  MainWindowReading main = March2024();
  TemporaryStore store;
  std::unique_ptr<TfrmList> window;
};

} // namespace month_table_window
