// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The month calendar of the main window's lower half: month and year captions
// with arrow buttons, the weekday headers, the 42 day cells with the selection
// marker, and the strips left and right of the grid that step one day. It
// writes the astronomy unit's date directly and ends every selection in the
// day view's ShowDay.

#include "dates/calendar_dates.h"
#include "dates/month_grid.h"
#include "ui_helpers/clickable_label.h"

#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QLabel;

namespace calendar_panel {

class StepControl;

// Options the calendar reads and writes (stored by the settings).
struct CalendarOptions {
  bool SunStart = true; // weeks start on Sunday (false: Monday)
  bool LD = false;      // three-letter weekday headers (false: one letter)
  bool DC = true;       // during a year auto-repeat, lay the grid out only at release
};

class CalendarPanel : public QWidget {
  Q_OBJECT
public:
  // calcDate is the date of the whole window (days since 1899-12-30); showDay
  // recomputes and repaints the day view. scale turns 96-dpi pixels into
  // screen pixels.
  CalendarPanel(QWidget* parent, double& calcDate, CalendarOptions& options, std::function<void()> showDay,
                std::function<int(int)> scale);

  // Lays out the month of CalcDate, marks its day and shows the day.
  void CalendarInit();
  // Selects today ("Today", F2, the date line).
  void ReturnToToday();
  // Today's date, or with keepShownYear today's month and day in the shown year.
  void GoToToday(bool keepShownYear);
  // One step of CalcDate by days, months or years; refused silently at the limits.
  void StepDate(dates::StepKind kind, int amount);
  // The calendar's keys; false for a key it does not handle.
  bool CalendarKey(int key, Qt::KeyboardModifiers modifiers);
  // Ends a running mouse auto-repeat (a panel opened over the calendar).
  void StopRepeat() { RepeatActive = false; }
  // Relabels the weekday headers from SunStart and LD.
  void UpdateDayLabels();
  // Turns the six stepping controls on or off (off while the date panel lies
  // over the grid); the calendar's keys follow them.
  void SetNavigationEnabled(bool enabled);
  bool NavigationEnabled() const { return navigationEnabled_; }

  // Upper bound on the steps of one auto-repeat, so a repeat whose release was
  // lost ends by itself.
  static constexpr int kMaxRepeatSteps = 100000;

  // For assistive technology (calendar_accessible.h). Cells and headers are
  // counted from the top left, row by row (0..41, 0..6).
  QWidget* GridWidget() const;
  QWidget* CellAt(int index) const;
  QWidget* HeaderWidget(int column) const;
  QWidget* CaptionWidget(bool year) const;
  int SelectedCellIndex() const;
  // The full date of a cell showing a day ("Monday, 6 January 2000"); empty
  // for a cell outside the month.
  QString CellName(int index) const;
  QString HeaderName(int column) const;
  // The selected day in short (its sun and moon times, phase and sky
  // events), told with its cell; the day view sets it with every day shown.
  void SetDaySummary(const QString& summary) { daySummary_ = summary; }
  const QString& DaySummary() const { return daySummary_; }
  QString ShownMonthText() const;
  // What a left click on a cell or a weekday header does.
  void SelectCellAt(int index);
  void FlipDayLabels() { lblCalDayClick(); }
  // Tells assistive technology that the keyboard is on the selected day's
  // cell: the window that holds the calendar has taken the focus back.
  void AnnounceFocus();

signals:
  // The month or year caption was clicked: the date entry panel should open,
  // with the year field focused when yearField is set.
  void dateEntryRequested(bool yearField);

private:
  void BuildHeader();
  void BuildGrid();
  void LayoutMonth();
  void SelectDay(int cell, int day);
  void MoveMarkerToCell(int cell);
  void WriteCaptions();
  void SplitCalcDate();
  void AnnounceSelection();
  // The keypad's + and - step this many years (keypad 0 to 3).
  void SetYearKeyStep(int years);
  void ChangeStep(dates::StepKind kind, const StepControl* control, Qt::MouseButton button,
                  Qt::KeyboardModifiers modifiers);
  void lblCalClick(int index);
  void lblCalDayClick();
  void pnlYearMouseDown(Qt::MouseButton button);
  QWidget* CellWidget(int cell) const;

  double& CalcDate;
  CalendarOptions& options_;
  std::function<void()> ShowDay;
  std::function<int(int)> S;

  int ShownYear = 1;
  int ShownMonth = 1;
  int ShownDay = 1;
  int FirstColumn = 1;
  int YearKeyStep = 1;
  bool RepeatActive = false;
  bool RelayoutEnabled = true;
  bool LayoutBusy = false;
  bool navigationEnabled_ = true;
  QString daySummary_;
  std::array<StepControl*, 6> steppers_{};

  ui_helpers::ClickableLabel* pnlMonth = nullptr;
  ui_helpers::ClickableLabel* pnlYear = nullptr;
  QFrame* pnlCal = nullptr;
  QFrame* bvlCal = nullptr;
  std::array<ui_helpers::ClickableLabel*, 7> lblCalDay{};
  std::array<ui_helpers::ClickableLabel*, dates::kGridCells> lblCal{};
};

} // namespace calendar_panel
