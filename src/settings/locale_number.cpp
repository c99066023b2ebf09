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
constexpr QChar kArabicDecimalSeparator = u'\u066B';
constexpr QChar kMinusSign = u'\u2212';

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

// Marks that steer the direction of text; a locale's minus sign may carry one
// (the Arabic locales write U+061C before "-").
bool IsDirectionMark(QChar c) { return c == u'\u061C' || c == u'\u200E' || c == u'\u200F'; }

// The text in the C locale's form: digits of any script as ASCII digits, the
// first "," or "٫" (or the locale's own separator) as ".", "−" as "-",
// direction marks dropped, blanks around removed. A second separator stays
// as it was, so that the C parser refuses it.
QString CLocaleForm(const QString& text) {
  const QString localeSeparator = QLocale().decimalPoint();
  const auto isSeparator = [&localeSeparator](QChar c) {
    return c == QLatin1Char(',') || c == kArabicDecimalSeparator ||
           (c != QLatin1Char('.') && localeSeparator == QString(c));
  };
  QString form;
  form.reserve(text.size());
  bool separatorTaken = false;
  for (const QChar c : text) {
    if (c.category() == QChar::Number_DecimalDigit) {
      form += QChar(u'0' + c.digitValue());
    } else if (!separatorTaken && isSeparator(c)) {
      form += QLatin1Char('.');
      separatorTaken = true;
    } else if (c == kMinusSign) {
      form += QLatin1Char('-');
    } else if (!IsDirectionMark(c)) {
      form += c;
    }
  }
  return form.trimmed();
}

QString FormatNumber(float value, const QString& separator) {
  // Nothing non-finite comes out of ParseLocaleNumber; write such a value as a
  // number it can read back rather than a word it would refuse.
  if (value == 0.0f || !std::isfinite(value)) return QStringLiteral("0");

  const Digits d = SignificantDigits(std::fabs(static_cast<double>(value)));
  const bool fixed = d.exponent >= kLowestFixedExponent && d.exponent <= kHighestFixedExponent;
  const QString magnitude = fixed ? FixedText(d, separator) : ScientificText(d, separator);
  return value < 0.0f ? QLatin1Char('-') + magnitude : magnitude;
}

} // namespace

LocaleNumber ParseLocaleNumber(const QString& text) {
  QLocale c = QLocale::c();
  c.setNumberOptions(QLocale::RejectGroupSeparator);
  bool ok = false;
  const double value = c.toDouble(CLocaleForm(text), &ok);
  if (!ok || !std::isfinite(value) || std::fabs(value) > std::numeric_limits<float>::max()) return {};
  return {static_cast<float>(value), true};
}

std::optional<float> ParseNumberWithin(const QString& text, float low, float high) {
  const LocaleNumber number = ParseLocaleNumber(text);
  if (!number.ok || number.value < low || number.value > high) return std::nullopt;
  return number.value;
}

QString PortableNumberText(const QString& text) { return ParseLocaleNumber(text).ok ? CLocaleForm(text) : text; }

QString FormatSettingNumber(float value) { return FormatNumber(value, QStringLiteral(".")); }

QString FormatShownNumber(float value) { return FormatNumber(value, QLocale().decimalPoint()); }

} // namespace settings
