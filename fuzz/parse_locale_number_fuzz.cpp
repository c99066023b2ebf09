// SPDX-License-Identifier: GPL-3.0-or-later
// ParseLocaleNumber, FormatSettingNumber and FormatShownNumber on arbitrary text and values under
// several locales: nothing crashes, a failure always reads 0, and every number
// written reads back within seven significant digits.

#include "settings/locale_number.h"

#include <QLocale>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

const QLocale& LocaleFor(uint8_t selector) {
  static const QLocale locales[] = {
      QLocale(QLocale::English, QLocale::UnitedStates), QLocale(QLocale::German, QLocale::Germany),
      QLocale(QLocale::French, QLocale::France),        QLocale(QLocale::Swedish, QLocale::Sweden),
      QLocale(QLocale::Hindi, QLocale::India),          QLocale(QLocale::Arabic, QLocale::Egypt),
      QLocale(QLocale::Persian, QLocale::Iran),         QLocale::c(),
  };
  return locales[selector % (sizeof locales / sizeof locales[0])];
}

void Fail(const char* what, const QString& text, float value) {
  std::fprintf(stderr, "%s: \"%s\" %.9g under %s\n", what, text.toUtf8().constData(), static_cast<double>(value),
               QLocale().name().toUtf8().constData());
  std::abort();
}

void CheckParse(const QString& text) {
  const settings::LocaleNumber n = settings::ParseLocaleNumber(text);
  if (!n.ok && n.value != 0.0f) Fail("failure not 0", text, n.value);
  if (n.ok && !std::isfinite(n.value)) Fail("non-finite accepted", text, n.value);
}

void CheckReadBack(const QString& text, float value) {
  const settings::LocaleNumber back = settings::ParseLocaleNumber(text);
  if (!std::isfinite(value)) {
    if (!back.ok || back.value != 0.0f) Fail("non-finite not written as 0", text, value);
    return;
  }
  if (!back.ok) Fail("own text unreadable", text, value);
  const float tolerance = std::fabs(value) * 1e-6f + std::numeric_limits<float>::denorm_min();
  if (std::fabs(back.value - value) > tolerance) Fail("round trip drifted", text, value);
}

void CheckRoundTrip(float value) {
  for (const QString& text : {settings::FormatSettingNumber(value), settings::FormatShownNumber(value)})
    CheckReadBack(text, value);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  QLocale::setDefault(LocaleFor(data[0]));
  ++data;
  --size;

  const char* bytes = reinterpret_cast<const char*>(data);
  const qsizetype length = static_cast<qsizetype>(size);
  CheckParse(QString::fromUtf8(bytes, length));
  CheckParse(QString::fromLatin1(bytes, length));

  const settings::LocaleNumber parsed = settings::ParseLocaleNumber(QString::fromUtf8(bytes, length));
  if (parsed.ok) CheckRoundTrip(parsed.value);

  if (size >= sizeof(float)) {
    float raw = 0.0f;
    std::memcpy(&raw, data, sizeof raw);
    CheckRoundTrip(raw);
  }
  return 0;
}
