// SPDX-License-Identifier: GPL-3.0-or-later
// Renders the windows offscreen to PNG files, so the layout can be looked at
// without a display:
//   vesperon-screenshots OUTPUT_DIR            the main window in many options,
//                                              in the desktop's language
//   vesperon-screenshots --readme docs         the README's pictures: the main
//                                              window, the month table window
//                                              and the Charts window's two charts

#include "astro/display.h"
#include "main_window/main_window.h"
#include "charts_window/charts_window.h"
#include "month_table_window/list_window.h"
#include "settings/whole_file_write.h"
#include "ui_helpers/shown_language.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <span>

namespace {

struct Shot {
  const char* file;
  std::initializer_list<std::pair<const char*, const char*>> values; // settings store values
  QDate date = QDate::currentDate();
  const char* listFile = nullptr; // also the month table window, to this file
  const char* daylightFile = nullptr; // also the Charts window's daylight chart
  const char* altitudeFile = nullptr; // and its altitude chart
};

const Shot kShots[] = {
    {"default.png", {}},
    {"long-form.png", {{"Flags/FormLength", "1"}}},
    {"little-moon-transit.png", {{"Flags/BigMoon", "0"}}},
    {"little-moon-no-transit.png", {{"Flags/BigMoon", "0"}, {"Flags/Transit", "0"}}},
    {"status-off.png", {{"Flags/Status", "0"}}},
    {"azimuth-24h.png", {{"Flags/Az", "1"}, {"Flags/TFormat", "1"}}},
    {"no-phases.png", {{"Flags/Phase", "0"}}},
    {"waxing-gibbous.png", {}, QDate(2024, 3, 20), "month-table.png"},
    {"waning-crescent-south.png", {{"Flags/NH", "0"}, {"Flags/FormLength", "1"}}, QDate(2024, 4, 5)},
};

// London on a day of a waxing gibbous Moon; the table grouped by weeks and tall
// enough for the whole month.
const Shot kReadmeShots[] = {
    {"main-window.png",
     {{"Location/City", "London, UK"},
      {"Location/Latitude", "51.5"},
      {"Location/Longitude", "0.12"},
      {"Location/TimeZone", "0"},
      {"Flags/Group7", "1"},
      {"Window/ListHeight", "630"}},
     QDate(2026, 3, 27),
     "month-table.png",
     "daylight-chart.png",
     "altitude-chart.png"},
};

// False, with a line on stderr, when the picture could not be written.
bool Save(QWidget& window, const QString& folder, const char* file) {
  const QString path = QDir(folder).filePath(QLatin1String(file));
  if (!window.grab().save(path)) {
    qCritical("%s could not be written", qPrintable(path));
    return false;
  }
  qInfo("%s", qPrintable(path));
  return true;
}

} // namespace

int main(int argc, char* argv[]) {
  settings::IgnoreFileSizeSignal();
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  // --help and unknown options end here, before any folder is made.
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Renders Vesperon's windows offscreen to PNG files."));
  parser.addHelpOption();
  const QCommandLineOption readmeOption(QStringLiteral("readme"),
                                        QStringLiteral("The README's pictures instead of the option sets."));
  parser.addOption(readmeOption);
  parser.addPositionalArgument(QStringLiteral("folder"), QStringLiteral("Where the pictures go (screenshots)."),
                               QStringLiteral("[folder]"));
  parser.process(app);
  // The option sets in the desktop's language (LANGUAGE=de), to look at the
  // layout in each; the README's pictures stay English.
  if (!parser.isSet(readmeOption)) ui_helpers::InstallTranslations(QLocale());
  if (parser.positionalArguments().size() > 1) {
    qCritical("vesperon-screenshots: one folder at most, not %lld.", static_cast<long long>(parser.positionalArguments().size()));
    return 2;
  }
  const bool readme = parser.isSet(readmeOption);
  const QString out = parser.positionalArguments().value(0, QStringLiteral("screenshots"));
  QDir().mkpath(out);
  QTemporaryDir storeDir;

  const std::span<const Shot> shots = readme ? std::span<const Shot>(kReadmeShots) : std::span<const Shot>(kShots);
  for (const Shot& shot : shots) {
    const QString ini = storeDir.filePath(QLatin1String(shot.file) + QLatin1String(".ini"));
    {
      QSettings store(ini, QSettings::IniFormat);
      store.setValue("Flags/Automode", "0");
      for (const auto& [key, value] : shot.values) store.setValue(key, value);
    }
    main_window::TfrmVesperon window(ini);
    window.GoToDate(astro::DateTimeOfDate(shot.date));
    window.show();
    QApplication::processEvents();
    if (!Save(window, out, shot.file)) return 1;
    if (shot.listFile) {
      window.ShowList();
      QApplication::processEvents();
      if (!Save(*window.listWindow(), out, shot.listFile)) return 1;
    }
    if (shot.daylightFile) {
      window.ShowCharts();
      charts_window::ChartsWindow& charts = *window.chartsWindow();
      charts.resize(1000, 760);
      QApplication::processEvents();
      if (!Save(charts, out, shot.daylightFile)) return 1;
      charts.ShowChart(charts_window::ChartKind::Altitude);
      QApplication::processEvents();
      if (shot.altitudeFile && !Save(charts, out, shot.altitudeFile)) return 1;
    }
  }
  return 0;
}
