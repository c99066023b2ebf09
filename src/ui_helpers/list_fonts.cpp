// SPDX-License-Identifier: GPL-3.0-or-later
#include "list_fonts.h"

#include <QFontDatabase>
#include <cmath>

namespace ui_helpers {
namespace {

constexpr double kPointsPerInch = 72.0;

QString MetricCompatibleFace(const QString& family) {
  if (family.compare(QLatin1String("Arial"), Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Sans");
  if (family.compare(QLatin1String("Courier"), Qt::CaseInsensitive) == 0 ||
      family.compare(QLatin1String("Courier New"), Qt::CaseInsensitive) == 0) {
    return QStringLiteral("Liberation Mono");
  }
  return family;
}

} // namespace

QFont FaceFont(const QString& family, int points, bool bold, bool italic) {
  QFont font(MetricCompatibleFace(family), points, bold ? QFont::Bold : QFont::Normal, italic);
  return font;
}

QFont SansSerifFont(int points, int dpi) {
  QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(static_cast<int>(std::lround(points * dpi / kPointsPerInch)));
  return font;
}

} // namespace ui_helpers
