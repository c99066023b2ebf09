// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table's column labels as the window shows and prints them: in the
// user's language, measured and drawn as shown.

#include "month/header_labels.h"

#include <QCoreApplication>

namespace month_table_window {

inline QString ShownHeaderLabel(const month::HeaderRow& row, int column) {
  return QCoreApplication::translate("month", row[static_cast<std::size_t>(column)]);
}

} // namespace month_table_window
