// SPDX-License-Identifier: GPL-3.0-or-later
// Opening the location editor with the shipped list of places: reading and
// sorting the file, then filling the city choice with the names. The editor
// does this the first time it opens; the user waits for it.

#include "location_editor/location_editor.h"
#include "places/location_file.h"
#include "places/place_search.h"

#include <QComboBox>
#include <QFile>
#include <QLocale>
#include <memory>
#include <algorithm>
#include <benchmark/benchmark.h>

namespace {

const QString kShippedList = QStringLiteral(VESPERON_SHIPPED_LOCATION_FILE);

// The first opening of the location editor, as the user meets it: a shown
// panel reads the shipped list and fills its city choice, in a locale that
// sorts by language rules. The goal: under 20 ms.
void OpenTheLocationEditor(benchmark::State& bench) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  QWidget window;
  window.resize(300, 200);
  window.show();
  for (auto _ : bench) {
    bench.PauseTiming();
    auto editor = std::make_unique<location_editor::LocationEditor>(&window, [](int pixels) { return pixels; },
                                                             places::LocationFilePaths{kShippedList, QString()});
    editor->show();
    bench.ResumeTiming();
    if (!editor->Open(settings::SiteLocation{})) bench.SkipWithError("the shipped list was not read");
    bench.PauseTiming();
    benchmark::DoNotOptimize(editor->cboCities->count());
    editor.reset();
    bench.ResumeTiming();
  }
  QLocale::setDefault(QLocale::c());
}
BENCHMARK(OpenTheLocationEditor)->Unit(benchmark::kMillisecond);

void ReadSortAndFillTheCityChoice(benchmark::State& bench) {
  QComboBox cities;
  for (auto _ : bench) {
    const places::LocationFileRead read = places::ReadLocationFile(kShippedList);
    if (!read.ok) bench.SkipWithError(read.error.toStdString().c_str());
    cities.clear();
    cities.addItems(read.list.Names());
    benchmark::DoNotOptimize(cities.sizeHint()); // the widths of all the names
  }
}
BENCHMARK(ReadSortAndFillTheCityChoice)->Unit(benchmark::kMillisecond);

// One key typed in the city choice: every name and other name of the list
// searched and the matches ranked. It must keep up with typing.
void FindAPlaceByTyping(benchmark::State& bench) {
  const QStringList names = places::ReadLocationFile(kShippedList).list.Names();
  const places::PlaceSearch search = places::ShippedPlaceSearch(names);
  for (auto _ : bench) benchmark::DoNotOptimize(search.Rank(QStringLiteral("zurich")));
}
BENCHMARK(FindAPlaceByTyping)->Unit(benchmark::kMillisecond);

// The first key typed in a list: its names and other names folded, then searched.
void PrepareTheSearchOfAList(benchmark::State& bench) {
  const QStringList names = places::ReadLocationFile(kShippedList).list.Names();
  for (auto _ : bench) benchmark::DoNotOptimize(places::ShippedPlaceSearch(names).Rank(QStringLiteral("z")));
}
BENCHMARK(PrepareTheSearchOfAList)->Unit(benchmark::kMillisecond);

// The sort alone, on the records of the file.
void SortTheRecords(benchmark::State& bench) {
  const places::LocationFileRead read = places::ReadLocationFile(kShippedList);
  QStringList shuffled = read.list.Records();
  std::reverse(shuffled.begin(), shuffled.end());
  for (auto _ : bench) benchmark::DoNotOptimize(places::LocationList(shuffled).Size());
  bench.counters["records"] = static_cast<double>(shuffled.size());
}
BENCHMARK(SortTheRecords)->Unit(benchmark::kMillisecond);

// Adding every record one by one, as "Add To List" does.
void AddEveryRecord(benchmark::State& bench) {
  const places::LocationFileRead read = places::ReadLocationFile(kShippedList);
  for (auto _ : bench) {
    places::LocationList list;
    for (const QString& record : read.list.Records()) list.Add(record);
    benchmark::DoNotOptimize(list.Size());
  }
}
BENCHMARK(AddEveryRecord)->Unit(benchmark::kMillisecond);

} // namespace
