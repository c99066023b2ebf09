// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The main window: the day view at the top, the month calendar below it, the
// phase list and the status bar at the bottom. Every change of date, site or
// display option ends in ShowDay.

#include "astro/astro_state.h"
#include "calendar_panel/calendar_panel.h"
#include "colours/colour_panel.h"
#include "date_entry/date_panel.h"
#include "day/day_view_state.h"
#include "help/help_topics.h"
#include "location_editor/location_editor.h"
#include "month_table_window/list_window.h"
#include "places/location_file.h"
#include "settings/settings_store_save.h"
#include "settings/settings_values.h"
#include "charts_window/charts_window.h"
#include "sky_events_window/sky_events_window.h"
#include "sky_events_window/year_events.h"
#include "ui_helpers/day_layout.h"

#include <QDateTime>
#include <QMainWindow>
#include <QString>
#include <functional>
#include <map>
#include <memory>
#include <vector>

class QAction;
class QActionGroup;
class QLabel;
class QTimer;

namespace main_window {

class ClickArea;
class DayCanvas;
struct CanvasRow;
class MoonBox;
class StatusStrip;

// The four views that share the lower half of the main window. Exactly one is
// current; the date panel lies over the calendar's grid, the others take the
// calendar's place.
enum class LowerView { Calendar, LocationEditor, ColourPanel, DatePanel };

class TfrmVesperon : public QMainWindow {
  Q_OBJECT
  // The help topic F1 shows: the main window's, or that of the open panel.
  Q_PROPERTY(int HelpContext MEMBER HelpContext)
public:
  // storePath is the settings store's file, read at start and saved to at
  // closing; empty takes the user's own, tests pass a temporary one.
  // locationFiles says where the location list is read and saved; empty paths
  // take the program's own.
  explicit TfrmVesperon(QString storePath = {}, QWidget* parent = nullptr,
                        places::LocationFilePaths locationFiles = {});
  ~TfrmVesperon() override;

  // The one road: recompute and repaint the day for CalcDate, the site and the
  // options.
  void ShowDay();

  // Read access for tests and the screenshot tool.
  const astro::AstroState& astroState() const { return state_; }
  const day::DayViewState& dayView() const { return view_; }
  const settings::Settings& options() const { return settings_; }
  calendar_panel::CalendarPanel* calendarPanel() const { return calendar_; }
  const MoonBox* moonBox() const { return moonBox_; }
  DayCanvas* dayCanvas() const { return canvas_; }
  StatusStrip* statusStrip() const { return statusStrip_; }
  QAction* menuAction(const QString& objectName) const;
  location_editor::LocationEditor* locationEditor() const { return pnlSettings_; }
  date_entry::DatePanel* datePanel() const { return pnlDate_; }
  colours::ColourPanel* colourPanel() const { return pnlColor_; }

  // The lower half. ShowLowerView makes one view current: it hides the others'
  // panels, shows the calendar for the calendar and the date panel, sets the
  // menus (the File menu only for the location editor, which hides Time,
  // Options and List), the calendar's stepping controls (off only under the
  // date panel) and HelpContext. Closing a panel is ShowLowerView(Calendar).
  // A panel takes part once CreateLowerPanels puts it in lowerPanels_; it
  // binds its own Enter and Escape with settings::BindPanelKeys.
  void ShowLowerView(LowerView view);
  LowerView CurrentLowerView() const { return lowerView_; }
  // The current help context number, the topic F1 shows: the main window's,
  // or the open panel's.
  int HelpContext = help::kMainWindowTopic;

  // Options > Location and the status bar's city box (SettingsClick).
  void ToggleLocationEditor();
  // Options > Colors and the right button on the status label.
  void ToggleColourPanel();
  // The month caption (month field focused), the year caption and Time >
  // Enter a Date, F3 (year field focused); only while the calendar shows.
  void mnuDateClick(bool focusMonth);
  // The closing questions; false keeps the window open.
  bool FormCloseQuery();
  // Ends the program as a logout or SIGTERM asks: saves what a close saves
  // but asks nothing, so a changed location or list stays unsaved, as No
  // would leave it.
  void EndWithoutQuestions();
  // The month table window, once the List command has created it.
  month_table_window::TfrmList* listWindow() const { return frmList_; }
  // The Sky Events window, once Sky Events has created it.
  sky_events_window::SkyEventsWindow* skyEventsWindow() const { return frmSkyEvents_; }
  charts_window::ChartsWindow* chartsWindow() const { return frmCharts_; }
  // The line under the phase list: the Julian-calendar date or the day's sky
  // events.
  QString statusLabelText() const;

  // Commands of the Time and Options menus and the click areas.
  void SetTimeType(int timeType);
  void CycleTimeType();
  void SetTFormat(int tFormat);
  void FlipTFormat();
  void FlipShowSeconds();
  void SetTwilight(int twilight);
  void CycleTwilight();
  void FlipTransit();
  void FlipAzimuth();
  void SetHemisphere(bool northern);
  void FlipPhase();
  void FlipFormLength();
  void FlipBigMoon();
  void FlipStatus();
  void FlipHints();
  void FlipAutomode();
  void FlipStayOnTop();
  // Enables Stay on Top (Ctrl+T) where the platform of this name can keep a
  // window on top; elsewhere disables it, its tooltip saying why.
  void ApplyStayOnTopSupport(const QString& platformName);
  void FlipRepeatLayout(); // Ctrl+R: the year repeat's layout
  // Tells assistive technology what a key changed that shows nowhere: the
  // status line's name, until the next key.
  void Announce(const QString& what);
  void ShowJulian();
  void SetWeekStart(bool sundayStart);
  void ReturnToToday();
  // Shows another date (days since 1899-12-30), as an entered date does.
  void GoToDate(double calcDate);
  // List: creates the month table window on first use, shows it and builds
  // the table.
  void ShowList();
  // Sky Events (Ctrl+E): creates the Sky Events window on first use, shows
  // it and lists the year of the shown day.
  void ShowSkyEvents();
  void ShowCharts();
  // Print (Ctrl+P): an image of this window on one page of the default
  // printer, at its size on the screen.
  void PrintWindow();

  // The computer's clock, read by the status bar's clock and for today's
  // date; tests put in their own. Its date now becomes today.
  void SetClock(std::function<QDateTime()> clock);
  // The status bar clock's tick, every second: the time shown, and past
  // midnight a day view that showed today moves to the new day.
  void Timer1Timer();

protected:
  void closeEvent(QCloseEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void moveEvent(QMoveEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Start-up, in order.
  void ScaleLayout();
  void CreateViews();
  void CreateMenus();
  void LoadSettings();
  void PlaceMoonBox();
  void ApplyColours();
  void ApplyTimeSettings();
  void SyncMenuItem(int n);
  void ShowStatusPanels();
  void UpdateLayout();
  void KeepOnScreen();
  QMargins FrameMargins() const;

  void CreateLowerPanels();
  void ConnectLowerPanels();
  void ApplyLocation(const settings::SiteLocation& location);
  void EnterDate(int year, int month, int day);
  void DrawDisc();
  // The painted rows for assistive technology, and the disc's description.
  std::vector<CanvasRow> CanvasRows();
  void DescribeMoon();
  // The caption of the status label for the shown day.
  void ShowStatusLabel();
  // Names the status label by its whole text, though it may show it cut.
  void NameStatusLine(const QString& text);
  // The line under the phase list: shown (fitted) and whole (tooltip and
  // screen reader).
  void ShowStatusText(const QString& shown, const QString& whole);
  void ShowAbout();
  settings::SettingsStoreSave SaveSettings();
  // Takes `date` as today; when it is a new day and the day view showed the
  // day before, the view moves to it.
  void FollowToday(QDate date);
  int S(int pixels) const;

  QAction* AddRadio(QMenu* menu, QActionGroup* group, const QString& caption, const QString& name, int tag,
                    std::function<void(int)> handler);
  QAction* AddCheck(QMenu* menu, const QString& caption, const QString& name, std::function<void()> handler);

  QString storePath_;
  // Why the store could not be read at start; then it is never written.
  QString storeProblem_;
  QString storeNotice_; // told once at start, such as a stored name that was cut or a number not read
  // The values as read (or last saved): a save writes only what changed since,
  // so that what another copy of the program saved meanwhile stays.
  settings::Settings storedSettings_;
  settings::ListWindowSettings storedListSettings_;
  int dpi_ = 96;
  ui_helpers::TextRectTable rects_ = ui_helpers::kTextRects96;
  ui_helpers::LayoutMetricTable metrics_ = ui_helpers::kLayoutMetrics96;

  astro::AstroState state_;
  settings::Settings settings_;
  calendar_panel::CalendarOptions calendarOptions_;
  day::DayViewState view_;
  bool JulianLine = false;
  bool StayOnTop = false;
  int TFormatBeforeSeconds = 0;
  bool shownOnce_ = false;
  bool settingsSaved_ = false; // by the last SaveSettings
  bool framePlaced_ = false; // placed with the window manager's frame known

  DayCanvas* canvas_ = nullptr;
  MoonBox* moonBox_ = nullptr;
  calendar_panel::CalendarPanel* calendar_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  QString statusLine_;      // the status label's whole text
  bool announcing_ = false; // its name is an announcement (Announce)
  ClickArea* phaseClickArea_ = nullptr;
  StatusStrip* statusStrip_ = nullptr;
  QTimer* Timer1 = nullptr;
  std::function<QDateTime()> clock_ = [] { return QDateTime::currentDateTime(); };
  QDate today_; // the clock's date at its last reading
  std::map<QString, QAction*> actions_;

  places::LocationFilePaths locationFiles_;
  location_editor::LocationEditor* pnlSettings_ = nullptr;
  date_entry::DatePanel* pnlDate_ = nullptr;
  colours::ColourPanel* pnlColor_ = nullptr;
  std::map<LowerView, QWidget*> lowerPanels_; // every view's panel but the calendar's
  LowerView lowerView_ = LowerView::Calendar;
  month_table_window::TfrmList* frmList_ = nullptr;
  sky_events_window::SkyEventsWindow* frmSkyEvents_ = nullptr;
  charts_window::ChartsWindow* frmCharts_ = nullptr;
  // The year's sky events for the status label, computed once per year,
  // place and clock.
  sky_events_window::YearEvents dayEvents_;
};

} // namespace main_window
