// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_arguments.h"

#include <QLocale>
#include <gtest/gtest.h>

namespace cli {
namespace {

CliRequest Parsed(const QString& line) {
  const auto result = ParseCliArguments(line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
  if (const auto* error = std::get_if<CliError>(&result)) ADD_FAILURE() << line.toStdString() << ": " << error->message.toStdString();
  return std::get_if<CliRequest>(&result) ? std::get<CliRequest>(result) : CliRequest{};
}

QString ErrorOf(const QString& line) {
  const auto result = ParseCliArguments(line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
  const auto* error = std::get_if<CliError>(&result);
  return error ? error->message : QString();
}

class CliArgumentsTest : public ::testing::Test {
protected:
  void SetUp() override { QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates)); }
};

TEST_F(CliArgumentsTest, ReadsEveryOptionOfTheContract) {
  const CliRequest day = Parsed("day --date 0001-01-01 --long-form --julian --json --lat -33,9 --lon=-151.2 "
                                "--zone -10.5 --name Sydney --time universal --clock 24 --seconds "
                                "--twilight nautical --no-transit --azimuth --week-start monday");
  EXPECT_EQ(day.command, Command::Day);
  EXPECT_EQ(day.date, QDate(1, 1, 1));
  EXPECT_TRUE(day.longForm && day.julian && day.json && day.seconds);
  ASSERT_TRUE(day.site.has_value());
  EXPECT_FLOAT_EQ(day.site->latitude, -33.9f) << "a comma is read as the decimal separator";
  EXPECT_FLOAT_EQ(day.site->longitude, -151.2f);
  EXPECT_FLOAT_EQ(day.site->zone, -10.5f);
  EXPECT_EQ(day.site->name, "Sydney");
  EXPECT_EQ(day.timeType, 2);
  EXPECT_EQ(day.clock, 1);
  EXPECT_EQ(day.twilight, 1);
  EXPECT_EQ(day.transit, false);
  EXPECT_EQ(day.azimuth, true);
  EXPECT_EQ(day.sundayStart, false);

  const CliRequest month = Parsed("month --month 9999-12 --group 7 --mode csv --location Home");
  EXPECT_EQ(month.month, QDate(9999, 12, 1));
  EXPECT_EQ(month.group, 7);
  EXPECT_EQ(month.copyMode, 2);
  EXPECT_EQ(month.locationName, "Home");

  const CliRequest phases = Parsed("phases --count 1000 --date 2024-02-29");
  EXPECT_EQ(phases.count, 1000);
  EXPECT_EQ(Parsed("phases").count, 4);
  EXPECT_EQ(Parsed("day --lat 1 --lon 2 --zone 3").site->name, "Custom");
  EXPECT_EQ(Parsed("").command, Command::Help);
}

TEST_F(CliArgumentsTest, ZoneTakesQuarterHoursFrom14EastTo12West) {
  for (const float zone : {-14.0f, -13.0f, -12.75f, -5.75f, 9.5f, 12.0f}) {
    const CliRequest r = Parsed(QStringLiteral("day --lat 1 --lon 2 --zone %1").arg(static_cast<double>(zone)));
    ASSERT_TRUE(r.site.has_value()) << zone;
    EXPECT_EQ(r.site->zone, zone);
  }
}

TEST_F(CliArgumentsTest, RefusesBadInputWithOneSentenceNamingTheOption) {
  const struct {
    const char* line;
    const char* mentions;
  } cases[] = {
      {"day --date 2024-02-30", "--date"},
      {"day --date 24-02-01", "--date"},
      {"day --date 10000-01-01", "--date"},
      {"day --date", "--date needs a value"},
      {"month --month 2024-13", "--month"},
      {"month --month 0000-12", "--month"},
      {"day --lat 90.5 --lon 0 --zone 0", "--lat"},
      {"day --lat 1 --lon 180.01 --zone 0", "--lon"},
      {"day --lat 1 --lon 1 --zone 12.25", "--zone"},
      {"day --lat 1 --lon 1 --zone -14.25", "--zone"},
      {"day --lat 1 --lon 1 --zone 5.3", "--zone"},
      {"day --lat abc --lon 1 --zone 1", "--lat"},
      {"day --lat nan --lon 1 --zone 1", "--lat"},
      {"day --lat 1 --lon 1", "together"},
      {"day --name X", "--name"},
      {"day --location A --lat 1 --lon 1 --zone 1", "--location"},
      {"day --time solar", "--time"},
      {"day --clock 13", "--clock"},
      {"day --group 5", "--group"},
      {"month --json", "--json"},
      {"phases --count 1001", "--count"},
      {"phases --count 2x", "--count"},
      {"day --seconds=yes", "--seconds"},
      {"day -x", "-x"},
      {"weekly", "weekly"},
  };
  for (const auto& c : cases) {
    const QString error = ErrorOf(QLatin1String(c.line));
    EXPECT_TRUE(error.contains(QLatin1String(c.mentions))) << c.line << " -> " << error.toStdString();
    EXPECT_FALSE(error.contains(QLatin1Char('\n'))) << c.line;
  }
}

} // namespace
} // namespace cli
