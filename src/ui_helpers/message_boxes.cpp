// SPDX-License-Identifier: GPL-3.0-or-later
#include "message_boxes.h"

#include <QCoreApplication>

namespace ui_helpers {

void ShowInputError(QWidget* parent, const QString& title, const QString& text, QWidget* focus) {
  QMessageBox box(QMessageBox::Critical, title, text, QMessageBox::Ok, parent);
  box.exec();
  if (focus) focus->setFocus(Qt::OtherFocusReason);
}

QMessageBox::StandardButton AskToConfirm(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Question, QCoreApplication::translate("ui_helpers", "Confirm"), text,
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, parent);
  box.setDefaultButton(QMessageBox::Yes);
  box.setEscapeButton(QMessageBox::Cancel);
  const int answer = box.exec();
  return answer == QMessageBox::Yes || answer == QMessageBox::No ? static_cast<QMessageBox::StandardButton>(answer)
                                                                 : QMessageBox::Cancel;
}

} // namespace ui_helpers
