// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The questions that the month table window's saves and its year print ask:
// a file name and the event of the year table. Tests put their own answers
// in place of the dialogs; the writing that follows is the real one.

#include "file_save.h"
#include "year_table.h"

#include <QString>
#include <functional>
#include <optional>

class QWidget;

namespace monthtable {

struct ExportChoosers {
  // The file to write, or empty when the user cancelled.
  SaveFileChooser saveFileName;
  // The event whose year table to print, or nothing when cancelled.
  std::function<std::optional<exporting::YearEvent>(QWidget* parent)> yearEvent;
};

// QFileDialog and QInputDialog.
ExportChoosers DialogChoosers();

} // namespace monthtable
