// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month table's font dialog (FD1): a face of the Latin character set, a
// size of 8 to 14 points, bold and italic. Qt's own font dialog cannot limit
// its sizes, so the table has a small one of its own.

#include <QDialog>
#include <QFont>
#include <optional>

class QCheckBox;
class QFontComboBox;
class QListWidget;

namespace month_table_window {

inline constexpr int kSmallestTableFontPoints = 8;
inline constexpr int kLargestTableFontPoints = 14;

class TableFontDialog : public QDialog {
  Q_OBJECT
public:
  // Starts on `font`; a size outside the list starts on the nearest one.
  TableFontDialog(const QFont& font, QWidget* parent);

  QFont selectedFont() const;

  QFontComboBox* cboFace = nullptr;
  QListWidget* lstSize = nullptr;
  QCheckBox* chkBold = nullptr;
  QCheckBox* chkItalic = nullptr;
};

// Runs the dialog; nothing when the user cancels.
std::optional<QFont> ChooseTableFont(const QFont& font, QWidget* parent);

} // namespace month_table_window
