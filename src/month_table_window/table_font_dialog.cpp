// SPDX-License-Identifier: GPL-3.0-or-later
#include "table_font_dialog.h"

#include "ui_helpers/focused_cell.h"
#include "ui_helpers/named_combo_accessible.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFontComboBox>
#include <QFormLayout>
#include <QListWidget>
#include <algorithm>

namespace month_table_window {

TableFontDialog::TableFontDialog(const QFont& font, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FD1"));
  setWindowTitle(tr("Font"));

  ui_helpers::InstallNamedComboReading(); // the face list by its caption, with its face as the value
  cboFace = new QFontComboBox(this);
  cboFace->setObjectName(QStringLiteral("cboFace"));
  cboFace->setWritingSystem(QFontDatabase::Latin);
  cboFace->setCurrentFont(font);
  cboFace->setAccessibleName(tr("Font")); // the captions' words, as read out

  lstSize = new QListWidget(this);
  lstSize->setObjectName(QStringLiteral("lstSize"));
  lstSize->setAccessibleName(tr("Size"));
  for (int points = kSmallestTableFontPoints; points <= kLargestTableFontPoints; ++points) {
    auto* item = new QListWidgetItem(QString::number(points), lstSize);
    item->setData(Qt::AccessibleTextRole, tr("%1 points").arg(points)); // a size, not a bare number
  }
  lstSize->setCurrentRow(std::clamp(font.pointSize(), kSmallestTableFontPoints, kLargestTableFontPoints) -
                         kSmallestTableFontPoints);
  lstSize->setFixedHeight(lstSize->sizeHintForRow(0) * lstSize->count() + 2 * lstSize->frameWidth());
  // The list tells its chosen size, as a size field would, and its current
  // item when it takes the keyboard.
  const auto describeSize = [this] {
    if (const QListWidgetItem* item = lstSize->currentItem())
      lstSize->setAccessibleDescription(item->data(Qt::AccessibleTextRole).toString());
  };
  describeSize();
  connect(lstSize, &QListWidget::currentRowChanged, this, describeSize);
  new ui_helpers::FocusedCellTeller(lstSize);

  chkBold = new QCheckBox(tr("&Bold"), this);
  chkBold->setObjectName(QStringLiteral("chkBold"));
  chkBold->setChecked(font.bold());
  chkItalic = new QCheckBox(tr("&Italic"), this);
  chkItalic->setObjectName(QStringLiteral("chkItalic"));
  chkItalic->setChecked(font.italic());

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(lstSize, &QListWidget::itemActivated, this, &QDialog::accept);

  auto* form = new QFormLayout(this);
  form->addRow(tr("&Font:"), cboFace);
  form->addRow(tr("&Size:"), lstSize);
  form->addRow(chkBold);
  form->addRow(chkItalic);
  form->addRow(buttons);
}

QFont TableFontDialog::selectedFont() const {
  QFont font(cboFace->currentFont().family(), lstSize->currentItem()->text().toInt());
  font.setBold(chkBold->isChecked());
  font.setItalic(chkItalic->isChecked());
  return font;
}

std::optional<QFont> ChooseTableFont(const QFont& font, QWidget* parent) {
  TableFontDialog dialog(font, parent);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.selectedFont();
}

} // namespace month_table_window
