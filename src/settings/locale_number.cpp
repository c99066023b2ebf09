// SPDX-License-Identifier: GPL-3.0-or-later
#include "locale_number.h"

#include <QLocale>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace settings {
namespace {

constexpr int kSignificantDigits = 7;
// Decimal exponents written in fixed notation: 1e-4 <= |value| < 1e7.
constexpr int kLowestFixedExponent = -4;
constexpr int kHighestFixedExponent = kSignificantDigits - 1;
constexpr int kExponentDigits = 4;

// The significant digits of |value| rounded to seven, without trailing zeros,
// and the decimal exponent of the first one: 42.97 gives "4297" and 1.
struct Digits {
  QString digits;
  int exponent = 0;
};

Digits SignificantDigits(double magnitude) {
  // "d.dddddde+xx" in the C locale, whatever the default locale is.
  const QString scientific = QString::number(magnitude, 'e', kSignificantDigits - 1);
  const qsizetype e = scientific.indexOf(QLatin1Char('e'));
  Digits result;
  result.digits = scientific.left(e).remove(QLatin1Char('.'));
  result.exponent = scientific.mid(e + 1).toInt();
  while (result.digits.size() > 1 && result.digits.endsWith(QLatin1Char('0'))) result.digits.chop(1);
  return result;
}

QString FixedText(const Digits& d, const QString& separator) {
  QString whole;
  QString fraction;
  if (d.exponent >= 0) {
    whole = d.digits.left(d.exponent + 1).leftJustified(d.exponent + 1, QLatin1Char('0'));
    fraction = d.digits.mid(d.exponent + 1);
  } else {
    whole = QStringLiteral("0");
    fraction = QString(-d.exponent - 1, QLatin1Char('0')) + d.digits;
  }
  return fraction.isEmpty() ? whole : whole + separator + fraction;
}

QString ScientificText(const Digits& d, const QString& separator) {
  QString mantissa = d.digits.left(1);
  if (d.digits.size() > 1) mantissa += separator + d.digits.mid(1);
  const QString exponent = QString::number(std::abs(d.exponent)).rightJustified(kExponentDigits, QLatin1Char('0'));
  return mantissa + QLatin1Char('E') + (d.exponent < 0 ? QStringLiteral("-") : QString()) + exponent;
}

} // namespace

LocaleNumber ParseLocaleNumber(const QString& text) {
  const QLocale locale;
  const QString separator = locale.decimalPoint();
  const QChar foreignSeparator = separator == QLatin1String(".") ? QLatin1Char(',') : QLatin1Char('.');

  QString normalized = text;
  const qsizetype at = normalized.indexOf(foreignSeparator);
  if (at >= 0) normalized.replace(at, 1, separator);

  bool ok = false;
  const double value = locale.toDouble(normalized, &ok);
  if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return {};
  return {static_cast<float>(value), true};
}

QString FormatSettingNumber(float value) {
  // Nothing non-finite comes out of ParseLocaleNumber; write such a value as a
  // number it can read back rather than a word it would refuse.
  if (value == 0.0f || !std::isfinite(value)) return QStringLiteral("0");

  const QString separator = QLocale().decimalPoint();
  const Digits d = SignificantDigits(std::fabs(static_cast<double>(value)));
  const bool fixed = d.exponent >= kLowestFixedExponent && d.exponent <= kHighestFixedExponent;
  const QString magnitude = fixed ? FixedText(d, separator) : ScientificText(d, separator);
  return value < 0.0f ? QLatin1Char('-') + magnitude : magnitude;
}

} // namespace settings
