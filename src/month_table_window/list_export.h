// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The questions that the month table window's saves and its year print ask:
// a file name and the event of the year table. Tests put their own answers
// in place of the dialogs; the writing that follows is the real one.

#include "ui_helpers/file_save.h"
#include "year/year_table.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace month_table_window {

struct ExportChoosers {
  // The file to write, or empty when the user cancelled.
  ui_helpers::SaveFileChooser saveFileName;
  // The event whose year table to print, or nothing when cancelled.
  std::function<std::optional<year::YearEvent>(QWidget* parent)> yearEvent;
};

// QFileDialog and QInputDialog.
ExportChoosers DialogChoosers();

} // namespace month_table_window
