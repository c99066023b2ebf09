// SPDX-License-Identifier: GPL-3.0-or-later
#include "place_details.h"

#include <QFile>

namespace places {

PlaceDetailsByName ParsePlaceDetails(const QByteArray& text) {
  PlaceDetailsByName details;
  for (const QByteArray& line : text.split('\n')) {
    if (line.startsWith('#')) continue;
    const QList<QByteArray> fields = line.trimmed().split('\t');
    if (fields.size() < 2 || fields[0].isEmpty()) continue;
    details.insert(QString::fromUtf8(fields[0]).trimmed(),
                   {fields[1].trimmed(), fields.size() > 2 ? fields[2].trimmed().toLongLong() : 0});
  }
  return details;
}

const PlaceDetailsByName& ShippedPlaceDetails() {
  static const PlaceDetailsByName details = [] {
    QFile file(QStringLiteral(":/places/place_details.tsv"));
    return file.open(QIODevice::ReadOnly) ? ParsePlaceDetails(file.readAll()) : PlaceDetailsByName{};
  }();
  return details;
}

} // namespace places
