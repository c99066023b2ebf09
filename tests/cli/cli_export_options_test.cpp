// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli/cli_arguments.h"

#include <gtest/gtest.h>

namespace cli {
namespace {

std::variant<CliRequest, CliError> Parse(const QString& line) {
  return ParseCliArguments(line.split(QLatin1Char(' '), Qt::SkipEmptyParts));
}

TEST(CliExportOptions, ReadsTheIcsAndYearOptions) {
  const auto ics = Parse("ics --from 2026-01-01 --to=2026-12-31 --events moon,phases --lat 1 --lon 2 --zone 0");
  ASSERT_TRUE(std::holds_alternative<CliRequest>(ics)) << std::get<CliError>(ics).message.toStdString();
  const CliRequest& i = std::get<CliRequest>(ics);
  EXPECT_EQ(i.command, Command::Ics);
  EXPECT_EQ(i.exportOptions.from, QDate(2026, 1, 1));
  EXPECT_EQ(i.exportOptions.to, QDate(2026, 12, 31));
  EXPECT_EQ(i.exportOptions.events, (calendar_file::EventChoice{false, false, true, true}));

  EXPECT_TRUE(std::holds_alternative<CliRequest>(Parse("ics --from 2024-01-01 --to 2024-12-31")))
      << "a leap year is 366 days";

  const auto year = Parse("year --year 2024 --event Nautical --mode json --clock 24");
  ASSERT_TRUE(std::holds_alternative<CliRequest>(year)) << std::get<CliError>(year).message.toStdString();
  const CliRequest& y = std::get<CliRequest>(year);
  EXPECT_EQ(y.command, Command::Year);
  EXPECT_EQ(y.exportOptions.year, 2024);
  EXPECT_EQ(y.exportOptions.event, year::YearEvent::Nautical);
  EXPECT_EQ(y.exportOptions.mode, YearMode::Json);
}

TEST(CliExportOptions, RefusesBadInputWithOneClearLine) {
  const struct {
    const char* line;
    const char* error;
  } cases[] = {
      {"ics --from 2026-01-01 --to 2027-01-02", "ics covers at most 366 days; --from 2026-01-01 --to 2027-01-02 is 367 days."},
      {"ics --from 2026-02-01 --to 2026-01-31", "--to 2026-01-31 is before --from 2026-02-01."},
      {"ics --from 2026-01-01", "ics needs --from YYYY-MM-DD and --to YYYY-MM-DD."},
      {"ics --from 2026-02-30 --to 2026-03-01", "--from accepts a date YYYY-MM-DD from 0001-01-01 to 9999-12-31, not \"2026-02-30\"."},
      {"ics --from 2026-01-01 --to 2026-01-02 --events sun,stars", "--events accepts a comma list of sun, twilight, moon, phases, seasons, eclipses and apsides, not \"sun,stars\"."},
      {"ics --from 2026-01-01 --to 2026-01-02 --year 2026", "Unknown option \"--year\" for this command; see vesperon-cli --help."},
      {"year --event sun", "year needs --year YYYY."},
      {"year --year 2026", "year needs --event sun, moon, civil, nautical or astronomical."},
      {"year --year 10000 --event sun", "--year accepts a year from 1 to 9999, not \"10000\"."},
      {"year --year 2026 --event stars", "--event accepts sun, moon, civil, nautical or astronomical, not \"stars\"."},
      {"year --year 2026 --event sun --mode tab", "--mode accepts text, csv or json, not \"tab\"."},
      {"month --from 2026-01-01", "Unknown option \"--from\" for this command; see vesperon-cli --help."},
  };
  for (const auto& c : cases) {
    const auto result = Parse(QString::fromLatin1(c.line));
    const auto* error = std::get_if<CliError>(&result);
    ASSERT_NE(error, nullptr) << c.line;
    EXPECT_EQ(error->message.toStdString(), c.error) << c.line;
  }
}

} // namespace
} // namespace cli
