// SPDX-License-Identifier: GPL-3.0-or-later
// The month table window, offscreen: the List command on a warm program
// (rebuild and repaint), the first List (create, read the settings, build,
// show), and the formatted print of a month to a PDF file.

#include "copy_text.h"
#include "display.h"
#include "list_window.h"
#include "list_window_settings.h"
#include "main_window.h"
#include "store_snapshot.h"
#include "table_print.h"
#include "table_texts.h"

#include <QPainter>
#include <QPrinter>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

QTemporaryDir& Folder() {
  static QTemporaryDir dir;
  return dir;
}

QString StorePath() { return Folder().filePath("bench.ini"); }

void ListOnAWarmProgram(benchmark::State& bench) {
  dayview::TfrmVesperon window(StorePath());
  window.show();
  window.ShowList();
  monthtable::TfrmList* list = window.listWindow();
  // The window is shown already: the List command rebuilds and repaints.
  // (Raising it again only prints a warning on the offscreen platform.)
  for (auto _ : bench) {
    list->MakeList();
    list->grid()->viewport()->repaint();
  }
}
BENCHMARK(ListOnAWarmProgram)->Unit(benchmark::kMillisecond);


void FirstList(benchmark::State& bench) {
  dayview::TfrmVesperon window(StorePath());
  window.show();
  for (auto _ : bench) {
    const settings::StoreSnapshot store(StorePath());
    auto list = std::make_unique<monthtable::TfrmList>(&window, settings::LoadListWindowSettings(store.values()), [&window] {
      monthtable::MainWindowReading main;
      main.state = window.astroState();
      return main;
    });
    list->show();
    list->MakeList();
    list->grid()->viewport()->repaint();
  }
}
BENCHMARK(FirstList)->Unit(benchmark::kMillisecond);

void PrettyPrintToPdf(benchmark::State& bench) {
  monthtable::ListOptions options;
  astro::AstroState state;
  state.CalcDate = astro::DateTimeOfDate(QDate(2024, 3, 17));
  state.SiteLatitude = 42.97f;
  state.SiteLongitude = 85.6f;
  state.ZoneHours = 5.0f;
  const monthtable::MonthTable table = monthtable::ComputeMonthTable(state, options);
  const monthtable::PrettyPrintInputs in{table, monthtable::MakeListText(table, {}, false), QStringLiteral("Arial"),
                                         monthtable::ListTime(0.99, 0, 0)};
  const QString path = Folder().filePath("print.pdf");
  for (auto _ : bench) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter(&printer);
    monthtable::PrettyPrint(painter, printer, in);
    painter.end();
  }
}
BENCHMARK(PrettyPrintToPdf)->Unit(benchmark::kMillisecond);

} // namespace
