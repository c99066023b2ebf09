// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_save.h"

#include "settings/whole_file_write.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>

namespace ui_helpers {

bool SaveBytesToChosenFile(QWidget* parent, const SaveFileChooser& choose, const QString& caption,
                           const QString& baseName, const QString& extension, const QString& filter,
                           const QByteArray& bytes, QString& lastFolder) {
  // The folder of the last save, or the home folder before the first (the
  // file dialog would otherwise open in the program's working folder).
  const QString folder = !lastFolder.isEmpty() && QDir(lastFolder).exists() ? lastFolder : QDir::homePath();
  QString fileName = baseName;
  fileName.replace(QLatin1Char('/'), QLatin1Char('-'));
  const QString path = choose(parent, caption, QDir(folder).filePath(fileName + extension), filter);
  if (path.isEmpty()) return false;
  lastFolder = QFileInfo(path).absolutePath();
  const settings::WholeFileWrite written = settings::WriteWholeFile(path, bytes);
  if (!written.ok) {
    QMessageBox::critical(parent, caption,
                          QCoreApplication::translate("ui_helpers", "The file \"%1\" could not be written: %2.\nAny file of that name is unchanged.")
                              .arg(QDir::toNativeSeparators(path), written.reason));
  }
  return written.ok;
}

bool NothingRefused(QWidget* parent, const QString& caption, const QString& refusal) {
  if (refusal.isEmpty()) return true;
  QMessageBox::critical(parent, caption, QCoreApplication::translate("ui_helpers", "%1\nNo file was written.").arg(refusal));
  return false;
}

} // namespace ui_helpers
