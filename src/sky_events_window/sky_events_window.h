// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The Sky Events window: the seasons, eclipses and the Moon's perigees and
// apogees of one year at the main window's place, on its clock. It opens on
// the year of the day the main window shows; Previous Year and Next Year step
// the year here without moving the main window; the Show menu keeps the
// events seen from the place only, or some kinds only. Copy, the three saves
// and Print take what the grid shows. Closing only hides it.

#include "astro/astro_state.h"
#include "settings/settings_values.h"
#include "sky_events/sky_event_formats.h"
#include "sky_events/sky_event_texts.h"
#include "ui_helpers/file_save.h"
#include "ui_helpers/save_file_dialog.h"
#include "year_events.h"

#include <QColor>
#include <QFont>
#include <QMainWindow>
#include <functional>
#include <map>

class QLabel;
class QPushButton;
class QTableView;

namespace sky_events_window {

class SkyEventsModel;

// What the window reads from the main window when it builds its list.
struct MainWindowReading {
  astro::AstroState state; // CalcDate, site, ZoneHours and TimeType of the day view
  settings::SiteLocation location;
  QColor background; // the main window's Background colour
  QColor text;       // its Text colour
  QFont tableFont;   // the month table's font, for the grid
};

using MainWindowReader = std::function<MainWindowReading()>;

class SkyEventsWindow : public QMainWindow {
  Q_OBJECT
public:
  SkyEventsWindow(QWidget* parent, MainWindowReader readMain);

  // Rebuilds the list for the year of the main window's day, its place and
  // its clock.
  void MakeList();
  // Rebuilds the shown year's list when the main window's place or clock
  // (its zone, time type or 12/24-hour choice) is no longer the list's.
  void FollowMain();
  // The year shown, one on or back (within the years 1 to 9999).
  void StepYear(int years);
  // The frame, the year and the place lines in the main window's colours.
  void ApplyMainColours(const QColor& background, const QColor& text);

  // Copy (Copy button, Ctrl+C), Print (Print button, Ctrl+P) and the saves.
  void CopyList();
  void PrintList();
  void SaveAsText();
  void SaveAsCsv();
  void SaveAsCalendar();
  // The file question the saves ask (the dialog unless replaced).
  void setSaveFileChooser(ui_helpers::SaveFileChooser choose);
  // The folder of the last save, where the next save's question opens; the
  // main window keeps it in the settings store between runs.
  const QString& saveFolder() const { return lastSaveFolder_; }
  void setSaveFolder(const QString& folder) { lastSaveFolder_ = folder; }

  // Read access for tests.
  int year() const { return year_; }
  const SkyEventsModel& model() const { return *model_; }
  QTableView* grid() const { return grid_; }
  QAction* menuAction(const QString& objectName) const;
  // "Sky Events for 2024": the caption, the print's and the files' name.
  QString Title() const;

protected:
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void CreateViews();
  void CreateMenus();
  void Build();
  void FitColumns();
  std::vector<sky_events::SkyEvent> ShownEvents(const std::vector<sky_events::SkyEvent>& year) const;
  sky_events::EventClock Clock() const;
  void AnnounceCurrentCell() const;
  sky_events::EventListContext ListContext() const;
  QStringList TextLines() const;
  bool Save(const QString& caption, const QString& extension, const QString& filter, const QByteArray& bytes);

  MainWindowReader readMain_;
  MainWindowReading built_; // what the last build read
  int year_ = 0;
  YearEvents events_;
  ui_helpers::SaveFileChooser chooseFile_ = ui_helpers::AskSaveFileName;
  QString lastSaveFolder_; // the folder of the last save
  QAction* visibleOnly_ = nullptr;
  QAction* seasons_ = nullptr;
  QAction* eclipses_ = nullptr;
  QAction* apsides_ = nullptr;
  std::map<QString, QAction*> actions_;

  SkyEventsModel* model_ = nullptr;
  QLabel* yearLabel_ = nullptr;
  QLabel* placeLabel_ = nullptr;
  QPushButton* previous_ = nullptr;
  QPushButton* next_ = nullptr;
  QTableView* grid_ = nullptr;
  QWidget* bottom_ = nullptr;
};

} // namespace sky_events_window
