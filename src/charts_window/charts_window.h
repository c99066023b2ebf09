// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Charts window: the daylight chart of a year and the altitude chart of a
// night at the main window's place, in its clock, framed in its colours. It
// opens on the main window's date and follows it when that, the place or the
// clock changes; Previous and Next step the year or the day here without
// moving the main window. Copy, the two saves and Print take the chart as
// shown. Closing only hides it.

#include "astro/astro_state.h"
#include "charts/altitude_chart.h"
#include "charts/chart_scene.h"
#include "charts/daylight_chart.h"
#include "settings/settings_values.h"
#include "ui_helpers/file_save.h"
#include "ui_helpers/save_file_dialog.h"

#include <QColor>
#include <QDate>
#include <QMainWindow>
#include <functional>
#include <map>
#include <optional>

class QComboBox;
class QLabel;
class QPushButton;

namespace charts_window {

class ChartView;

// What the window reads from the main window when it builds a chart.
struct MainWindowReading {
  astro::AstroState state; // CalcDate, site, ZoneHours, TimeType and TimeFormat of the day view
  settings::SiteLocation location;
  int tFormat = 0;   // 0 twelve-hour clock, other values twenty-four-hour
  QColor background; // the main window's Background colour
  QColor text;       // its Text colour
  QDate today;
};

using MainWindowReader = std::function<MainWindowReading()>;

enum class ChartKind { Daylight, Altitude };

class ChartsWindow : public QMainWindow {
  Q_OBJECT
public:
  ChartsWindow(QWidget* parent, MainWindowReader readMain);

  // Takes the main window's date, place, clock and colours and redraws.
  void FollowMain();
  void ShowChart(ChartKind kind);
  // The year (daylight) or the day (altitude) shown, on or back, within the
  // calendar's range.
  void Step(int steps);
  // The frame and its lines in the main window's colours.
  void ApplyMainColours(const QColor& background, const QColor& text);

  // Copy (Ctrl+C), Print (Ctrl+P) and the saves, of the chart as shown.
  void CopyChart();
  void PrintChart();
  void SaveAsPng();
  void SaveAsSvg();
  // The file question the saves ask (the dialog unless replaced).
  void setSaveFileChooser(ui_helpers::SaveFileChooser choose);

  // Read access for tests.
  ChartKind kind() const { return kind_; }
  int year() const { return year_; }
  QDate date() const { return date_; }
  ChartView* view() const { return view_; }
  QLabel* summary() const { return summary_; }
  QAction* menuAction(const QString& objectName) const;
  // The chart's title: the caption, and the print's and the files' name.
  QString Title() const;
  // The chart laid out for a size.
  charts::Scene SceneFor(QSizeF size) const;

protected:
  void showEvent(QShowEvent* event) override;

private:
  void CreateViews();
  void CreateMenus();
  void Build();
  const charts::DaylightChart& Daylight();
  charts::ChartClock Clock() const;
  bool Save(const QString& caption, const QString& extension, const QString& filter, const QByteArray& bytes);

  MainWindowReader readMain_;
  MainWindowReading built_;
  ChartKind kind_ = ChartKind::Daylight;
  int year_ = 2000;
  QDate date_;
  // The last daylight chart and what it was computed for: the year's
  // computation is kept while only the day changes.
  struct DaylightKey {
    int year;
    float latitude, longitude, zone;
    int timeType, tFormat;
    QString place;
    QDate today;
    bool operator==(const DaylightKey&) const = default;
  };
  std::optional<DaylightKey> daylightKey_;
  charts::DaylightChart daylight_;
  charts::AltitudeChart altitude_;

  ui_helpers::SaveFileChooser chooseFile_ = ui_helpers::AskSaveFileName;
  QString lastSaveFolder_;
  std::map<QString, QAction*> actions_;

  QComboBox* chooser_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QLabel* shown_ = nullptr;
  ChartView* view_ = nullptr;
  QLabel* summary_ = nullptr;
};

} // namespace charts_window
