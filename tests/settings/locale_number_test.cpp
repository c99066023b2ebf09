// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/locale_number.h"

#include "test_support.h"

#include <cmath>
#include <QStringList>
#include <limits>

namespace settings {
namespace {

using testing_support::Arabic;
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

TEST(FormatSettingNumber, WritesADecimalPointInEveryLocale) {
  for (const QLocale& locale : {German(), Arabic(), QLocale::c()}) {
    const ScopedLocale pinned(locale);
    EXPECT_EQ(FormatSettingNumber(42.97f), QStringLiteral("42.97")) << locale.name().toStdString();
    EXPECT_EQ(FormatSettingNumber(-5.75f), QStringLiteral("-5.75")) << locale.name().toStdString();
    EXPECT_EQ(FormatSettingNumber(-1.5e-5f), QStringLiteral("-1.5E-0005")) << locale.name().toStdString();
  }
}

TEST(FormatShownNumber, UsesTheLocaleDecimalSeparator) {
  const ScopedLocale german(German());
  EXPECT_EQ(FormatShownNumber(42.97f), QStringLiteral("42,97"));
  EXPECT_EQ(FormatShownNumber(-5.5f), QStringLiteral("-5,5"));
  EXPECT_EQ(FormatShownNumber(5.0f), QStringLiteral("5"));
  EXPECT_EQ(FormatShownNumber(0.00001f), QStringLiteral("1E-0005"));
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

// Forms earlier versions stored under a locale's own number form, and forms
// typed on other keyboards.
const ParseCase kLocaleForms[] = {
    {"42\u066B97", true, 42.97f, "the Arabic separator, as stored under Arabic"},
    {"\u0664\u0662\u066B\u0669\u0667", true, 42.97f, "Arabic-Indic digits"},
    {"\u06F4\u06F8,\u06F8\u06F5", true, 48.85f, "Persian digits and a comma"},
    {"\u061C-85\u066B6", true, -85.6f, "the Arabic locale's minus sign with its mark"},
    {"\u221285.6", true, -85.6f, "a minus sign"},
    {"\u200F-5\u066B75\u200F", true, -5.75f, "right-to-left marks around"},
    {"\u0664\u0662\u066B\u0669\u066B\u0667", false, 0.0f, "two Arabic separators"},
    {"42\u066B97,1", false, 0.0f, "an Arabic separator and a comma"},
    {"\u0664\u0662x", false, 0.0f, "a letter after Arabic digits"},
};

TEST(ParseLocaleNumber, ReadsEveryFormUnderEveryLocale) {
  for (const QLocale& locale : {QLocale(QLocale::English, QLocale::UnitedStates), German(), Arabic(), QLocale::c()}) {
    const ScopedLocale pinned(locale);
    SCOPED_TRACE(locale.name().toStdString());
    for (const ParseCase& c : kEitherSeparator) ExpectParses(c);
    for (const ParseCase& c : kLocaleForms) ExpectParses(c);
  }
}

TEST(ParseNumberWithin, KeepsBothEndsAndRefusesBeyond) {
  EXPECT_EQ(ParseNumberWithin(QStringLiteral("-14"), -14.0f, 12.0f), -14.0f);
  EXPECT_EQ(ParseNumberWithin(QStringLiteral("12"), -14.0f, 12.0f), 12.0f);
  EXPECT_EQ(ParseNumberWithin(QStringLiteral("12.01"), -14.0f, 12.0f), std::nullopt);
  EXPECT_EQ(ParseNumberWithin(QStringLiteral("-14.25"), -14.0f, 12.0f), std::nullopt);
  EXPECT_EQ(ParseNumberWithin(QStringLiteral("x"), -14.0f, 12.0f), std::nullopt);
}

TEST(PortableNumberText, WritesWhatConvertsInTheFormEveryLocaleReads) {
  const struct {
    const char* typed;
    const char* written;
  } cases[] = {
      {"  48,85 ", "48.85"},          {"42.970", "42.970"},   {"\u0664\u0662\u066B\u0669\u0667", "42.97"},
      {"\u221233.87", "-33.87"},      {"abc", "abc"},         {"1,2,3", "1,2,3"},
  };
  const ScopedLocale german(German());
  for (const auto& c : cases)
    EXPECT_EQ(PortableNumberText(QString::fromUtf8(c.typed)), QString::fromUtf8(c.written)) << c.typed;
}

TEST(ParseLocaleNumber, RoundsToSinglePrecision) {
  const LocaleNumber n = ParseLocaleNumber(QStringLiteral("0.1"));
  ASSERT_TRUE(n.ok);
  EXPECT_EQ(n.value, 0.1f);
  EXPECT_NE(static_cast<double>(n.value), 0.1);
}

TEST(ParseLocaleNumber, ReadsBackWhatEitherFormatWritesUnderAnotherLocale) {
  const QLocale locales[] = {
      QLocale(QLocale::English, QLocale::UnitedStates), German(), QLocale(QLocale::French, QLocale::France),
      QLocale(QLocale::Swedish, QLocale::Sweden),       QLocale(QLocale::Hindi, QLocale::India), Arabic(),
  };
  const float values[] = {42.97f, -85.6f, 5.0f, -3.5f, 0.0f, 89.99999f, -179.9999f, 1e-5f, 12345678.0f, 1e30f};
  for (const QLocale& writer : locales) {
    for (const float v : values) {
      QStringList texts;
      {
        const ScopedLocale pinned(writer);
        texts = {FormatSettingNumber(v), FormatShownNumber(v)};
      }
      // Read back under the C locale of a program run from cron.
      const ScopedLocale reader(QLocale::c());
      for (const QString& text : texts) {
        const LocaleNumber back = ParseLocaleNumber(text);
        ASSERT_TRUE(back.ok) << writer.name().toStdString() << " \"" << text.toStdString() << "\"";
        // Seven significant digits: the relative error stays below 5e-7.
        EXPECT_NEAR(back.value, v, std::fabs(v) * 5e-7f) << writer.name().toStdString() << " " << text.toStdString();
      }
    }
  }
}

} // namespace
} // namespace settings
