// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The two conversions every location number (latitude and longitude in degrees,
// zone in hours) passes through between memory and text: the settings store,
// the location file and the location editor all use these and nothing else.

#include <QString>

namespace settings {

struct LocaleNumber {
  float value = 0.0f; // 0 whenever ok is false
  bool ok = false;
};

// Reads a number typed or stored with either "." or "," as decimal separator:
// the first separator of the other kind is turned into the default locale's
// separator, then the locale's parser converts the text and the result is
// rounded to single precision. Blanks around the number are ignored.
// Not-a-number, infinities and values beyond single precision fail.
LocaleNumber ParseLocaleNumber(const QString& text);

// A number in the general format with at most seven significant digits and the
// default locale's decimal separator: trailing zeros and a needless separator
// dropped ("42.97", "85.6", "5", "-5.5"); magnitudes from 1e-4 up to below 1e7
// in fixed notation, others as mantissa, "E" and an exponent of at least four
// digits ("1.5E-0005", "1.234568E0010").
QString FormatSettingNumber(float value);

} // namespace settings
