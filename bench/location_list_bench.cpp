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
#include <QTemporaryDir>
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

// A list of a hundred thousand places, each record a line of the file.
places::LocationList LongList() {
  QStringList records;
  for (int n = 0; n < 100'000; ++n)
    records.append(QStringLiteral("Place %1").arg(n, 6, 10, QLatin1Char('0')).leftJustified(25) +
                   QStringLiteral("| 10.00 |  20.00 | 0"));
  return places::LocationList(records);
}

// Save List with a hundred thousand places and one added: the file is read
// again, merged with the session's changes and written. It must not freeze
// the window: the goal is well under a second.
void SaveALongList(benchmark::State& bench) {
  const QTemporaryDir dir;
  const QString path = dir.filePath(QStringLiteral("Location.txt"));
  const places::LocationList asRead = LongList();
  if (!places::WriteLocationFile(path, asRead).ok) bench.SkipWithError("the list was not written");
  places::LocationList ours = asRead;
  ours.Add(QStringLiteral("Added place").leftJustified(25) + QStringLiteral("| 11.00 |  21.00 | 0"));
  for (auto _ : bench) {
    const places::LocationFileMerge saved = places::SaveMergedLocationFile(path, asRead, ours);
    if (!saved.ok) bench.SkipWithError(saved.error.toStdString().c_str());
    benchmark::DoNotOptimize(saved.list.Size());
  }
}
BENCHMARK(SaveALongList)->Unit(benchmark::kMillisecond);

// The merge alone: a hundred thousand places, one removed and one added here,
// one added by another copy.
void MergeLongLists(benchmark::State& bench) {
  const places::LocationList base = LongList();
  places::LocationList ours = base;
  ours.RemoveAt(500);
  ours.Add(QStringLiteral("Ours").leftJustified(25) + QStringLiteral("| 11.00 |  21.00 | 0"));
  places::LocationList theirs = base;
  theirs.Add(QStringLiteral("Theirs").leftJustified(25) + QStringLiteral("| 12.00 |  22.00 | 0"));
  for (auto _ : bench) benchmark::DoNotOptimize(places::MergeLocationLists(base, ours, theirs).Size());
}
BENCHMARK(MergeLongLists)->Unit(benchmark::kMillisecond);

} // namespace
