#pragma once

// The main window: the day view at the top, the month calendar below it, the
// phase list and the status bar at the bottom. Every change of date, site or
// display option ends in ShowDay.

#include "astro_state.h"
#include "calendar_panel.h"
#include "day_layout.h"
#include "day_view_state.h"
#include "settings_values.h"

#include <QMainWindow>
#include <QSettings>
#include <functional>
#include <map>
#include <memory>

class QAction;
class QActionGroup;
class QLabel;
class QTimer;

namespace dayview {

class ClickArea;
class DayCanvas;
class MoonBox;
class StatusStrip;

using SettingsStoreFactory = std::function<std::unique_ptr<QSettings>()>;

class TfrmVesperon : public QMainWindow {
  Q_OBJECT
public:
  // openStore opens the settings store for each load and save; tests pass a
  // temporary one.
  explicit TfrmVesperon(SettingsStoreFactory openStore = nullptr, QWidget* parent = nullptr);
  ~TfrmVesperon() override;

  // The one road: recompute and repaint the day for CalcDate, the site and the
  // options.
  void ShowDay();

  // Read access for tests and the screenshot tool.
  const astro::AstroState& astroState() const { return state_; }
  const DayViewState& dayView() const { return view_; }
  const settings::Settings& options() const { return settings_; }
  calendar::CalendarPanel* calendarPanel() const { return calendar_; }
  const MoonBox* moonBox() const { return moonBox_; }
  DayCanvas* dayCanvas() const { return canvas_; }
  StatusStrip* statusStrip() const { return statusStrip_; }
  QAction* menuAction(const QString& objectName) const;

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
  void ShowJulian();
  void SetWeekStart(bool sundayStart);
  void ReturnToToday();
  // Shows another date (days since 1899-12-30), as an entered date does.
  void GoToDate(double calcDate);

protected:
  void keyPressEvent(QKeyEvent* event) override;
  void showEvent(QShowEvent* event) override;
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

  void DrawDisc();
  void ShowAbout();
  void SaveSettings();
  void Timer1Timer();
  int S(int pixels) const;

  QAction* AddRadio(QMenu* menu, QActionGroup* group, const QString& caption, const QString& name, int tag,
                    std::function<void(int)> handler);
  QAction* AddCheck(QMenu* menu, const QString& caption, const QString& name, std::function<void()> handler);

  SettingsStoreFactory openStore_;
  int dpi_ = 96;
  TextRectTable rects_ = kTextRects96;
  LayoutMetricTable metrics_ = kLayoutMetrics96;

  astro::AstroState state_;
  settings::Settings settings_;
  calendar::CalendarOptions calendarOptions_;
  DayViewState view_;
  bool JulianLine = false;
  bool StayOnTop = false;
  int TFormatBeforeSeconds = 0;
  bool shownOnce_ = false;

  DayCanvas* canvas_ = nullptr;
  MoonBox* moonBox_ = nullptr;
  calendar::CalendarPanel* calendar_ = nullptr;
  QLabel* lblStatus_ = nullptr;
  ClickArea* phaseClickArea_ = nullptr;
  StatusStrip* statusStrip_ = nullptr;
  QTimer* Timer1 = nullptr;
  std::map<QString, QAction*> actions_;
};

} // namespace dayview
