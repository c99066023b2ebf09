// SPDX-License-Identifier: GPL-3.0-or-later
#include "former_place_names.h"

#include <QFile>

namespace places {

OtherPlaceNames ParseOtherPlaceNames(const QByteArray& text) {
  OtherPlaceNames names;
  for (const QByteArray& line : text.split('\n')) {
    const qsizetype tab = line.indexOf('\t');
    if (tab <= 0) continue;
    names.insert(QString::fromUtf8(line.mid(tab + 1)).trimmed(), QString::fromUtf8(line.left(tab)));
  }
  return names;
}

const OtherPlaceNames& FormerPlaceNames() {
  static const OtherPlaceNames names = [] {
    QFile file(QStringLiteral(":/places/former_names.txt"));
    return file.open(QIODevice::ReadOnly) ? ParseOtherPlaceNames(file.readAll()) : OtherPlaceNames{};
  }();
  return names;
}

} // namespace places
