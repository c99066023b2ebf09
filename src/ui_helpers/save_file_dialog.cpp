// SPDX-License-Identifier: GPL-3.0-or-later
#include "save_file_dialog.h"

#include <QFileDialog>
#include <QRegularExpression>

namespace ui_helpers {

QString ExtensionOfNameFilter(const QString& nameFilter) {
  static const QRegularExpression pattern(QStringLiteral(R"(\(\*\.([^\s*?)]+))"));
  return pattern.match(nameFilter).captured(1);
}

QString AskSaveFileName(QWidget* parent, const QString& caption, const QString& suggestedPath, const QString& filter) {
  QFileDialog dialog(parent, caption, suggestedPath, filter);
  dialog.setAcceptMode(QFileDialog::AcceptSave);
  dialog.setFileMode(QFileDialog::AnyFile);
  const auto followType = [&dialog](const QString& nameFilter) {
    dialog.setDefaultSuffix(ExtensionOfNameFilter(nameFilter));
  };
  followType(dialog.selectedNameFilter());
  QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, followType);
  const bool chosen = dialog.exec() == QDialog::Accepted;
  // The window manager hands the keyboard to whichever window it likes when
  // the dialog and its question close one right after the other.
  if (parent) parent->window()->activateWindow();
  return chosen ? dialog.selectedFiles().value(0) : QString();
}

} // namespace ui_helpers
