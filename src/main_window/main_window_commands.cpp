// SPDX-License-Identifier: GPL-3.0-or-later
// The display options' commands: each flips or sets one option, brings its
// menu item into line and does the least work that makes the window right.

#include "main_window.h"

#include "calendar_panel/calendar_panel.h"
#include "day/phase_list.h"
#include "moon_box.h"

#include <QLabel>
#include <QWindow>

namespace main_window {

void TfrmVesperon::SetTimeType(int timeType) {
  state_.TimeType = timeType;
  SyncMenuItem(1);
  ShowStatusPanels();
  ApplyTimeSettings();
  ShowDay();
}

void TfrmVesperon::CycleTimeType() { SetTimeType((state_.TimeType + 1) % (astro::kLocalTime + 1)); }

void TfrmVesperon::SetTFormat(int tFormat) {
  settings_.TFormat = tFormat;
  ApplyTimeSettings();
  ShowStatusPanels();
  SyncMenuItem(2);
  ShowDay();
}

void TfrmVesperon::FlipTFormat() { SetTFormat(settings_.TFormat == 0 ? 1 : 0); }

void TfrmVesperon::FlipShowSeconds() {
  state_.ShowSeconds = !state_.ShowSeconds;
  // The 12-hour patterns have no seconds: force the 24-hour clock meanwhile.
  if (state_.ShowSeconds) {
    TFormatBeforeSeconds = settings_.TFormat;
    settings_.TFormat = 1;
  } else {
    settings_.TFormat = TFormatBeforeSeconds;
  }
  SyncMenuItem(2);
  ApplyTimeSettings();
  ShowStatusPanels();
  ShowDay();
}

void TfrmVesperon::SetTwilight(int twilight) {
  settings_.Twilight = twilight;
  SyncMenuItem(3);
  ShowStatusPanels();
  ShowDay();
}

void TfrmVesperon::CycleTwilight() { SetTwilight((settings_.Twilight + 1) % 3); }

void TfrmVesperon::FlipTransit() {
  state_.WantTransit = !state_.WantTransit;
  SyncMenuItem(5);
  view_.PaintMoonLabels = true;
  ShowDay();
  PlaceMoonBox();
  DrawDisc();
}

void TfrmVesperon::FlipAzimuth() {
  state_.WantAzimuth = !state_.WantAzimuth;
  SyncMenuItem(6);
  ShowDay();
}

void TfrmVesperon::SetHemisphere(bool northern) {
  settings_.NH = northern;
  SyncMenuItem(7);
  ShowDay();
}

void TfrmVesperon::FlipPhase() {
  settings_.Phase = !settings_.Phase;
  SyncMenuItem(4);
  UpdateLayout();
  ShowDay();
}

void TfrmVesperon::FlipFormLength() {
  settings_.FormLength = !settings_.FormLength;
  SyncMenuItem(11);
  day::ForcePhaseListRebuild(view_.Phases);
  UpdateLayout();
  ShowDay();
}

void TfrmVesperon::FlipBigMoon() {
  settings_.BigMoon = !settings_.BigMoon;
  PlaceMoonBox();
  DrawDisc(); // the stored phase at the new size, nothing recomputed
  SyncMenuItem(10);
}

void TfrmVesperon::FlipStatus() {
  settings_.Status = !settings_.Status;
  SyncMenuItem(9);
  UpdateLayout();
}

void TfrmVesperon::FlipHints() {
  settings_.Hints = !settings_.Hints;
  SyncMenuItem(12);
}

void TfrmVesperon::FlipAutomode() {
  settings_.Automode = !settings_.Automode;
  SyncMenuItem(13);
}

void TfrmVesperon::FlipStayOnTop() {
  StayOnTop = !StayOnTop;
  // setWindowFlag() would destroy and re-create the native window, which hides
  // it and loses its place for a moment; the window system takes the new flag
  // on the live window instead.
  const Qt::WindowFlags flags = windowFlags().setFlag(Qt::WindowStaysOnTopHint, StayOnTop);
  overrideWindowFlags(flags);
  if (QWindow* native = windowHandle()) native->setFlags(flags);
  Announce(StayOnTop ? tr("Stays on top of other windows") : tr("No longer on top"));
}

void TfrmVesperon::FlipRepeatLayout() {
  calendarOptions_.DC = !calendarOptions_.DC;
  Announce(calendarOptions_.DC ? tr("A year repeat lays out the month when released")
                               : tr("A year repeat lays out every month it passes"));
}

void TfrmVesperon::Announce(const QString& what) {
  // Heard as the line's new name, which goes back to the line's text at the
  // next key.
  lblStatus_->setAccessibleName(what);
  announcing_ = true;
}

void TfrmVesperon::ShowJulian() {
  JulianLine = true;
  ShowDay();
}

void TfrmVesperon::SetWeekStart(bool sundayStart) {
  calendarOptions_.SunStart = sundayStart;
  SyncMenuItem(8);
  calendar_->CalendarInit();
}

void TfrmVesperon::ReturnToToday() { calendar_->ReturnToToday(); }

void TfrmVesperon::GoToDate(double calcDate) {
  state_.CalcDate = calcDate;
  calendar_->CalendarInit();
}

} // namespace main_window
