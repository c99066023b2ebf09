// Renders the main window offscreen to PNG files, one per set of options, so
// the layout can be looked at without a display:
//   vesperon-screenshots OUTPUT_DIR

#include "display.h"
#include "main_window.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

namespace {

struct Shot {
  const char* file;
  std::initializer_list<std::pair<const char*, const char*>> flags;
  QDate date = QDate::currentDate();
};

const Shot kShots[] = {
    {"default.png", {}},
    {"long-form.png", {{"Flags/FormLength", "1"}}},
    {"little-moon-transit.png", {{"Flags/BigMoon", "0"}}},
    {"little-moon-no-transit.png", {{"Flags/BigMoon", "0"}, {"Flags/Transit", "0"}}},
    {"status-off.png", {{"Flags/Status", "0"}}},
    {"azimuth-24h.png", {{"Flags/Az", "1"}, {"Flags/TFormat", "1"}}},
    {"no-phases.png", {{"Flags/Phase", "0"}}},
    {"waxing-gibbous.png", {}, QDate(2024, 3, 20)},
    {"waning-crescent-south.png", {{"Flags/NH", "0"}, {"Flags/FormLength", "1"}}, QDate(2024, 4, 5)},
};

} // namespace

int main(int argc, char* argv[]) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots");
  QDir().mkpath(out);
  QTemporaryDir storeDir;

  for (const Shot& shot : kShots) {
    const QString ini = storeDir.filePath(QLatin1String(shot.file) + QLatin1String(".ini"));
    {
      QSettings store(ini, QSettings::IniFormat);
      store.setValue("Flags/Automode", "0");
      for (const auto& [key, value] : shot.flags) store.setValue(key, value);
    }
    dayview::TfrmVesperon window([ini] { return std::make_unique<QSettings>(ini, QSettings::IniFormat); });
    window.GoToDate(astro::DateTimeOfDate(shot.date));
    window.show();
    QApplication::processEvents();
    const QString path = QDir(out).filePath(QLatin1String(shot.file));
    window.grab().save(path);
    qInfo("%s", qPrintable(path));
  }
  return 0;
}
