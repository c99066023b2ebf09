// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The conversions every location number (latitude and longitude in degrees,
// zone in hours) passes through between memory and text: the settings store,
// the location file and the location editor all use these and nothing else.
// What is stored is written with a decimal point in every locale, so that a
// store or a list written under one language reads the same under another
// and under the C locale of cron or ssh.

#include <QString>
#include <optional>

namespace settings {

struct LocaleNumber {
  float value = 0.0f; // 0 whenever ok is false
  bool ok = false;
};

// Reads a number typed or stored in any locale's form: decimal digits of any
// script (Arabic-Indic "٤٢" as well as "42") and, as decimal separator, ".",
// the first "," or the Arabic separator "٫" (or the default locale's own), a
// minus sign "-" or "−", bidirectional marks ignored. The result is rounded to
// single precision. Blanks around the number are ignored. Not-a-number,
// infinities and values beyond single precision fail.
LocaleNumber ParseLocaleNumber(const QString& text);

// The number of a text when it converts and lies within low..high (both ends
// accepted); empty otherwise.
std::optional<float> ParseNumberWithin(const QString& text, float low, float high);

// A text that ParseLocaleNumber reads, rewritten in the form every locale
// reads: ASCII digits, "." as separator, "-" as sign, blanks around removed
// ("  48,85 " gives "48.85"); the digits as given, not rounded. A text that
// does not convert comes back as it was.
QString PortableNumberText(const QString& text);

// A number to store: the general format with at most seven significant digits
// and "." as decimal separator in every locale: trailing zeros and a needless
// separator dropped ("42.97", "85.6", "5", "-5.75"); magnitudes from 1e-4 up to
// below 1e7 in fixed notation, others as mantissa, "E" and an exponent of at
// least four digits ("1.5E-0005", "1.234568E0010").
QString FormatSettingNumber(float value);

// The same number to show to the user: the default locale's decimal separator
// ("42,97" under German).
QString FormatShownNumber(float value);

} // namespace settings
