// SPDX-License-Identifier: GPL-3.0-or-later
#include "file_save.h"

#include "whole_file_write.h"

#include <QDir>
#include <QMessageBox>
#include <QStandardPaths>

namespace monthtable {

bool SaveBytesToChosenFile(QWidget* parent, const ExportChoosers& choose, const QString& caption,
                           const QString& baseName, const QString& extension, const QString& filter,
                           const QByteArray& bytes) {
  // The documents folder, or the home folder where there is none (the file
  // dialog would otherwise open in the program's working folder).
  QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
  if (!QDir(folder).exists()) folder = QDir::homePath();
  QString fileName = baseName;
  fileName.replace(QLatin1Char('/'), QLatin1Char('-'));
  const QString path = choose.saveFileName(parent, caption, QDir(folder).filePath(fileName + extension), filter);
  if (path.isEmpty()) return false;
  const settings::WholeFileWrite written = settings::WriteWholeFile(path, bytes);
  if (!written.ok) {
    QMessageBox::critical(parent, caption,
                          QStringLiteral("The file \"%1\" could not be written: %2.\nAny file of that name is unchanged.")
                              .arg(QDir::toNativeSeparators(path), written.reason));
  }
  return written.ok;
}

} // namespace monthtable
