// SPDX-License-Identifier: GPL-3.0-or-later
#include "pdf_file_name.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace ui_helpers {
namespace {

constexpr int kMostNumbers = 9999;

struct Texts {
  Q_DECLARE_TR_FUNCTIONS(ui_helpers)
};

} // namespace

ReservedFile ReservePdfFile(const QString& folder, const QString& baseName) {
  if (!QDir().mkpath(folder)) {
    return {{}, Texts::tr("The folder \"%1\" could not be created.").arg(QDir::toNativeSeparators(folder))};
  }
  QString base = baseName;
  base.replace(QLatin1Char('/'), QLatin1Char('-'));
  const QDir dir(folder);
  for (int number = 1; number <= kMostNumbers; ++number) {
    const QString name = number == 1 ? base + QStringLiteral(".pdf") : QStringLiteral("%1 (%2).pdf").arg(base).arg(number);
    QFile file(dir.filePath(name));
    if (file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return {file.fileName(), {}};
    if (!file.exists()) {
      return {{}, Texts::tr("The file \"%1\" could not be created: %2.")
                      .arg(QDir::toNativeSeparators(file.fileName()), file.errorString())};
    }
  }
  return {{}, Texts::tr("The folder \"%1\" holds too many files named \"%2\".")
                  .arg(QDir::toNativeSeparators(folder), base)};
}

} // namespace ui_helpers
