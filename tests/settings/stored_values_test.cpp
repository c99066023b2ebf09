// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/stored_values.h"

#include "test_support.h"

namespace settings {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<int> expected;
  const char* note;
};

TEST(ParseStoredInteger, ReadsDecimalAndHexadecimalText) {
  const IntegerCase cases[] = {
      {"5", 5, "decimal"},
      {"-5", -5, "negative, a window left of the screen"},
      {"+7", 7, "explicit plus"},
      {" 12 ", 12, "blanks around"},
      {"8388608", 8388608, "navy in decimal"},
      {"0x800000", 8388608, "navy in hexadecimal"},
      {"0X00FFFF", 65535, "capital X, leading zeros"},
      {"0xffffff", 16777215, "lower-case digits"},
      {"0x7FFFFFFF", 2147483647, "largest int"},
      {"-2147483648", -2147483647 - 1, "smallest int"},
      {"2147483648", std::nullopt, "beyond int"},
      {"0x80000000", std::nullopt, "hexadecimal beyond int"},
      {"99999999999999999999999", std::nullopt, "far beyond any integer"},
      {"0x", std::nullopt, "prefix without digits"},
      {"0x-5", std::nullopt, "sign after the prefix"},
      {"-0x5", std::nullopt, "sign before the prefix"},
      {"0x0x5", std::nullopt, "prefix twice"},
      {"$FF", std::nullopt, "another language's hexadecimal"},
      {"12abc", std::nullopt, "trailing letters"},
      {"1e3", std::nullopt, "exponent"},
      {"1.0", std::nullopt, "fraction"},
      {"", std::nullopt, "empty"},
      {"-", std::nullopt, "sign alone"},
      {"1 2", std::nullopt, "blank inside"},
  };
  for (const IntegerCase& c : cases) {
    EXPECT_EQ(ParseStoredInteger(QString::fromUtf8(c.text)), c.expected) << c.note << ": \"" << c.text << "\"";
  }
}

TEST(StoredValues, FlagsAreWrittenAsZeroOrOneAndReadAsIntegers) {
  const testing_support::TempStore temp;
  {
    auto store = temp.Open();
    WriteStoredFlag(*store, QStringLiteral("Flags/On"), true);
    WriteStoredFlag(*store, QStringLiteral("Flags/Off"), false);
    store->setValue(QStringLiteral("Flags/Hex"), QStringLiteral("0x10"));
    store->setValue(QStringLiteral("Flags/Words"), QStringLiteral("true"));
  }
  const auto store = temp.Open();
  EXPECT_EQ(store->value(QStringLiteral("Flags/On")).toString(), QStringLiteral("1"));
  EXPECT_EQ(store->value(QStringLiteral("Flags/Off")).toString(), QStringLiteral("0"));
  EXPECT_TRUE(ReadStoredFlag(*store, QStringLiteral("Flags/On"), false));
  EXPECT_FALSE(ReadStoredFlag(*store, QStringLiteral("Flags/Off"), true));
  EXPECT_TRUE(ReadStoredFlag(*store, QStringLiteral("Flags/Hex"), false)) << "non-zero is true";
  EXPECT_FALSE(ReadStoredFlag(*store, QStringLiteral("Flags/Words"), false)) << "unreadable gives the default";
  EXPECT_TRUE(ReadStoredFlag(*store, QStringLiteral("Flags/Words"), true)) << "unreadable gives the default";
  EXPECT_TRUE(ReadStoredFlag(*store, QStringLiteral("Flags/Missing"), true));
}

TEST(StoredValues, IntegersOutsideTheirRangeTakeTheDefault) {
  const testing_support::TempStore temp;
  temp.WriteRaw("[Flags]\nTwilight=7\nTime=-1\nTFormat=1\n");
  const auto store = temp.Open();
  EXPECT_EQ(ReadStoredInteger(*store, QStringLiteral("Flags/Twilight"), 2, 0, 2), 2);
  EXPECT_EQ(ReadStoredInteger(*store, QStringLiteral("Flags/Time"), 0, 0, 2), 0);
  EXPECT_EQ(ReadStoredInteger(*store, QStringLiteral("Flags/TFormat"), 0, 0, 1), 1);
}

TEST(StoredValues, TextWithCommasComesBackWhole) {
  const testing_support::TempStore temp;
  // A hand-edited file: QSettings splits an unquoted value at its commas.
  temp.WriteRaw("[Location]\nCity=Zedir Izudiz,MI\nLatitude=42,97\n");
  const auto store = temp.Open();
  EXPECT_EQ(ReadStoredText(*store, QStringLiteral("Location/City")), QStringLiteral("Zedir Izudiz,MI"));
  EXPECT_EQ(ReadStoredText(*store, QStringLiteral("Location/Latitude")), QStringLiteral("42,97"));
  EXPECT_EQ(ReadStoredText(*store, QStringLiteral("Location/Longitude")), std::nullopt);
}

} // namespace
} // namespace settings
