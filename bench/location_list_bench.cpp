// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the location editor with the shipped list of places: reading and
// sorting the file, then filling the city choice with the names. The editor
// does this the first time it opens; the user waits for it.

#include "location_file.h"

#include <QComboBox>
#include <QFile>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

const QString kShippedList = QStringLiteral(VESPERON_SHIPPED_LOCATION_FILE);

void ReadSortAndFillTheCityChoice(benchmark::State& bench) {
  QComboBox cities;
  for (auto _ : bench) {
    const settings::LocationFileRead read = settings::ReadLocationFile(kShippedList);
    if (!read.ok) bench.SkipWithError(read.error.toStdString().c_str());
    cities.clear();
    cities.addItems(read.list.Names());
    benchmark::DoNotOptimize(cities.sizeHint()); // the widths of all the names
  }
}
BENCHMARK(ReadSortAndFillTheCityChoice)->Unit(benchmark::kMillisecond);

// The sort alone, on the records of the file.
void SortTheRecords(benchmark::State& bench) {
  const settings::LocationFileRead read = settings::ReadLocationFile(kShippedList);
  QStringList shuffled = read.list.Records();
  std::reverse(shuffled.begin(), shuffled.end());
  for (auto _ : bench) benchmark::DoNotOptimize(settings::LocationList(shuffled).Size());
  bench.counters["records"] = static_cast<double>(shuffled.size());
}
BENCHMARK(SortTheRecords)->Unit(benchmark::kMillisecond);

// Adding every record one by one, as "Add To List" does.
void AddEveryRecord(benchmark::State& bench) {
  const settings::LocationFileRead read = settings::ReadLocationFile(kShippedList);
  for (auto _ : bench) {
    settings::LocationList list;
    for (const QString& record : read.list.Records()) list.Add(record);
    benchmark::DoNotOptimize(list.Size());
  }
}
BENCHMARK(AddEveryRecord)->Unit(benchmark::kMillisecond);

} // namespace
