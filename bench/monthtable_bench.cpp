// SPDX-License-Identifier: GPL-3.0-or-later
// The month table window, offscreen: the List command on a warm program
// (rebuild and repaint), the first List (create, read the settings, build,
// show), and the formatted print of a month to a PDF file.

#include "astro/display.h"
#include "main_window/main_window.h"
#include "month/copy_text.h"
#include "month/table_texts.h"
#include "month_table_window/list_window.h"
#include "month_table_window/table_print.h"
#include "settings/list_window_settings.h"
#include "settings/store_snapshot.h"

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
  main_window::TfrmVesperon window(StorePath());
  window.show();
  window.ShowList();
  month_table_window::TfrmList* list = window.listWindow();
  // The window is shown already: the List command rebuilds and repaints.
  // (Raising it again only prints a warning on the offscreen platform.)
  for (auto _ : bench) {
    list->MakeList();
    list->grid()->viewport()->repaint();
  }
}
BENCHMARK(ListOnAWarmProgram)->Unit(benchmark::kMillisecond);


void FirstList(benchmark::State& bench) {
  main_window::TfrmVesperon window(StorePath());
  window.show();
  for (auto _ : bench) {
    const settings::StoreSnapshot store(StorePath());
    auto list = std::make_unique<month_table_window::TfrmList>(&window, settings::LoadListWindowSettings(store.values()), [&window] {
      month_table_window::MainWindowReading main;
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
  month::ListOptions options;
  astro::AstroState state;
  state.CalcDate = astro::DateTimeOfDate(QDate(2024, 3, 17));
  state.SiteLatitude = 42.97f;
  state.SiteLongitude = 85.6f;
  state.ZoneHours = 5.0f;
  const month::MonthTable table = month::ComputeMonthTable(state, options);
  const month_table_window::PrettyPrintInputs in{table, month::MakeListText(table, {}, false), QStringLiteral("Arial"),
                                         month::ListTime(0.99, 0, 0)};
  const QString path = Folder().filePath("print.pdf");
  for (auto _ : bench) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    QPainter painter(&printer);
    month_table_window::PrettyPrint(painter, printer, in);
    painter.end();
  }
}
BENCHMARK(PrettyPrintToPdf)->Unit(benchmark::kMillisecond);

} // namespace
