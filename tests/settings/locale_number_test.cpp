// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/locale_number.h"

#include "test_support.h"

#include <cmath>
#include <limits>

namespace settings {
namespace {

using testing_support::German;

struct FormatCase {
  float value;
  const char* expected;
  const char* note;
};

TEST(FormatSettingNumber, GeneralFormatWithSevenSignificantDigits) {
  const FormatCase cases[] = {
      {42.97f, "42.97", "first-run latitude"},
      {85.6f, "85.6", "first-run longitude"},
      {5.0f, "5", "whole hours: no needless separator"},
      {-5.5f, "-5.5", "negative half-hour zone"},
      {0.0f, "0", "zero"},
      {-0.0f, "0", "negative zero has no sign"},
      {-151.21f, "-151.21", "East longitude"},
      {-33.8688f, "-33.8688", "four decimals kept"},
      {1.0f / 3.0f, "0.3333333", "cut to seven significant digits"},
      {2.0f / 3.0f, "0.6666667", "rounded at the seventh digit"},
      {179.99999f, "180", "rounding carries into the integer part"},
      {1234567.0f, "1234567", "seven integer digits stay fixed"},
      {100000.0f, "100000", "trailing integer zeros kept"},
      {0.0001f, "0.0001", "smallest fixed magnitude"},
      {0.00001f, "1E-0005", "below 1e-4: scientific, four exponent digits"},
      {-0.000015f, "-1.5E-0005", "negative scientific"},
      {12345678.0f, "1.234568E0007", "eight integer digits: scientific"},
      {1e20f, "1E0020", "large magnitude"},
  };
  for (const FormatCase& c : cases) {
    EXPECT_EQ(FormatSettingNumber(c.value), QLatin1String(c.expected)) << c.note;
  }
}

TEST(FormatSettingNumber, UsesTheLocaleDecimalSeparator) {
  const ScopedLocale german(German());
  EXPECT_EQ(FormatSettingNumber(42.97f), QStringLiteral("42,97"));
  EXPECT_EQ(FormatSettingNumber(-5.5f), QStringLiteral("-5,5"));
  EXPECT_EQ(FormatSettingNumber(5.0f), QStringLiteral("5"));
  EXPECT_EQ(FormatSettingNumber(0.00001f), QStringLiteral("1E-0005"));
}

TEST(FormatSettingNumber, NonFiniteValuesBecomeZero) {
  EXPECT_EQ(FormatSettingNumber(std::numeric_limits<float>::quiet_NaN()), QStringLiteral("0"));
  EXPECT_EQ(FormatSettingNumber(std::numeric_limits<float>::infinity()), QStringLiteral("0"));
}

struct ParseCase {
  const char* text;
  bool ok;
  float value;
  const char* note;
};

void ExpectParses(const ParseCase& c) {
  const LocaleNumber n = ParseLocaleNumber(QString::fromUtf8(c.text));
  EXPECT_EQ(n.ok, c.ok) << c.note << ": \"" << c.text << "\"";
  EXPECT_EQ(n.value, c.value) << c.note << ": \"" << c.text << "\"";
}

const ParseCase kEitherSeparator[] = {
    {"42.97", true, 42.97f, "point"},
    {"42,97", true, 42.97f, "comma, as stored under a comma locale"},
    {"85,6", true, 85.6f, "comma typed in the editor"},
    {"  -33.87 ", true, -33.87f, "blanks around"},
    {"5", true, 5.0f, "integer"},
    {"-0", true, -0.0f, "negative zero"},
    {"1E-0005", true, 1e-5f, "our own scientific form"},
    {"1,234568E0007", true, 12345680.0f, "scientific with comma"},
    {"", false, 0.0f, "empty"},
    {"abc", false, 0.0f, "letters"},
    {"42.97.1", false, 0.0f, "two points"},
    {"42,97,1", false, 0.0f, "only the first comma is replaced"},
    {"4 2", false, 0.0f, "blank inside"},
    {"nan", false, 0.0f, "not a number"},
    {"inf", false, 0.0f, "infinity"},
    {"1e39", false, 0.0f, "beyond single precision"},
    {"-1e39", false, 0.0f, "beyond single precision, negative"},
    {"42.97|5", false, 0.0f, "a bar"},
};

TEST(ParseLocaleNumber, ReadsPointOrCommaUnderAPointLocale) {
  for (const ParseCase& c : kEitherSeparator) ExpectParses(c);
}

TEST(ParseLocaleNumber, ReadsPointOrCommaUnderACommaLocale) {
  const ScopedLocale german(German());
  for (const ParseCase& c : kEitherSeparator) ExpectParses(c);
}

TEST(ParseLocaleNumber, RoundsToSinglePrecision) {
  const LocaleNumber n = ParseLocaleNumber(QStringLiteral("0.1"));
  ASSERT_TRUE(n.ok);
  EXPECT_EQ(n.value, 0.1f);
  EXPECT_NE(static_cast<double>(n.value), 0.1);
}

TEST(ParseLocaleNumber, ReadsBackWhatFormatSettingNumberWrites) {
  const QLocale locales[] = {
      QLocale(QLocale::English, QLocale::UnitedStates), German(), QLocale(QLocale::French, QLocale::France),
      QLocale(QLocale::Swedish, QLocale::Sweden),       QLocale(QLocale::Hindi, QLocale::India),
  };
  const float values[] = {42.97f, -85.6f, 5.0f, -3.5f, 0.0f, 89.99999f, -179.9999f, 1e-5f, 12345678.0f, 1e30f};
  for (const QLocale& locale : locales) {
    const ScopedLocale pinned(locale);
    for (const float v : values) {
      const QString text = FormatSettingNumber(v);
      const LocaleNumber back = ParseLocaleNumber(text);
      ASSERT_TRUE(back.ok) << locale.name().toStdString() << " \"" << text.toStdString() << "\"";
      // Seven significant digits: the relative error stays below 5e-7.
      EXPECT_NEAR(back.value, v, std::fabs(v) * 5e-7f) << locale.name().toStdString() << " " << text.toStdString();
    }
  }
}

} // namespace
} // namespace settings
