// SPDX-License-Identifier: GPL-3.0-or-later
// How long a year of events takes: computing every event of one place
// (target under 5 ms), writing them as a calendar file (under 50 ms), and
// vesperon-cli year as a whole process (under 50 ms).

#include "astro/display.h"
#include "calendar_file/almanac_events.h"
#include "calendar_file/ics_writer.h"
#include "year/year_table.h"

#include <QLocale>
#include <QProcess>
#include <benchmark/benchmark.h>

namespace {

const QDate kFirst(2026, 1, 1), kLast(2026, 12, 31);
const settings::SiteLocation kPlace{QStringLiteral("Paris, France"), -1.0f, 48.87f, -2.33f};

astro::AstroState Paris() {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  astro::AstroState s;
  s.SiteLatitude = kPlace.SiteLatitude;
  s.SiteLongitude = kPlace.SiteLongitude;
  s.ZoneHours = kPlace.SiteTimeZone;
  s.CalcDate = astro::DateTimeOfDate(kFirst);
  return s;
}

// Sun, twilight and moon events of 365 days and the year's phases.
void YearOfAllEvents(benchmark::State& bench) {
  const astro::AstroState base = Paris();
  for (auto _ : bench) benchmark::DoNotOptimize(calendar_file::CollectEvents(base, 2, kFirst, kLast, {}));
}
BENCHMARK(YearOfAllEvents)->Unit(benchmark::kMillisecond);

// One year table (the rise and set of one body for 365 days).
void YearTable(benchmark::State& bench) {
  const astro::AstroState base = Paris();
  for (auto _ : bench) benchmark::DoNotOptimize(year::ComputeYearTable(base, 2026, year::YearEvent::Moon));
}
BENCHMARK(YearTable)->Unit(benchmark::kMillisecond);

// The calendar file of a year of all events, from the computed events.
void WriteYearCalendar(benchmark::State& bench) {
  const auto events = calendar_file::CollectEvents(Paris(), 2, kFirst, kLast, {});
  const QDateTime stamp = QDateTime::currentDateTimeUtc();
  for (auto _ : bench) benchmark::DoNotOptimize(calendar_file::CalendarFile(events, kPlace, stamp).bytes);
  bench.counters["events"] = static_cast<double>(events.size());
}
BENCHMARK(WriteYearCalendar)->Unit(benchmark::kMillisecond);

// vesperon-cli year, started, run and waited for.
void CliYearProcess(benchmark::State& bench) {
  const QStringList arguments = {"year", "--year", "2026", "--event", "sun", "--lat", "48.87", "--lon", "-2.33",
                                 "--zone", "-1", "--name", "Paris, France"};
  for (auto _ : bench) {
    QProcess process;
    process.start(QStringLiteral(VESPERON_CLI_PATH), arguments);
    if (!process.waitForFinished(10000) || process.exitCode() != 0) bench.SkipWithError("vesperon-cli failed");
    benchmark::DoNotOptimize(process.readAllStandardOutput());
  }
}
BENCHMARK(CliYearProcess)->Unit(benchmark::kMillisecond);

} // namespace
