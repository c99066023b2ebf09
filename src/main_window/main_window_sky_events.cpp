// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Sky Events command and the line under the phase list that
// names the shown day's sky events.

#include "main_window.h"

#include "astro/display.h"
#include "day_canvas.h"
#include "help/help_key.h"
#include "month_table_window/list_window.h"
#include "settings/list_window_settings.h"
#include "settings/store_snapshot.h"
#include "sky_events_window/sky_events_window.h"
#include "ui_helpers/list_fonts.h"
#include "click_hints.h"
#include "ui_helpers/line_fit.h"

#include <QLabel>
#include <QPalette>

namespace main_window {

void TfrmVesperon::ShowSkyEvents() {
  if (!frmSkyEvents_) {
    frmSkyEvents_ = new sky_events_window::SkyEventsWindow(this, [this] {
      // The grid takes the month table's font, as chosen there or stored.
      const settings::ListWindowSettings list =
          frmList_ ? frmList_->listSettings()
                   : settings::LoadListWindowSettings(settings::StoreSnapshot(storePath_).values());
      const QPalette colours = canvas_->palette();
      return sky_events_window::MainWindowReading{state_, settings_.Location, colours.color(QPalette::Window),
                                          colours.color(QPalette::WindowText),
                                          ui_helpers::FaceFont(list.SName, list.SSize, list.SBold, list.SItalic)};
    });
    frmSkyEvents_->setSaveFolder(settings_.SkyEventsSaveDir);
  }
  frmSkyEvents_->show();
  frmSkyEvents_->raise();
  frmSkyEvents_->activateWindow();
  frmSkyEvents_->MakeList();
}

QString TfrmVesperon::statusLabelText() const { return lblStatus_->text(); }

void TfrmVesperon::ShowStatusLabel() {
  // The Julian-calendar date, when asked for and the day has one, keeps the
  // line; else the day's sky events, fitted in the line.
  const QString julian = JulianLine ? view_.DayText[day::kJulianLine] : QString();
  lblStatus_->setFont(canvas_->font());
  if (!julian.isEmpty()) {
    ShowStatusText(julian, julian);
    return;
  }
  const QDate day = astro::DateOfDateTime(state_.CalcDate);
  const sky_events_window::DayEventLine line = sky_events_window::DayEventLineOf(
      dayEvents_.On(day, state_), day, state_);
  const QString fitted = ui_helpers::FitInLabel(*lblStatus_, line.full, line.brief);
  ShowStatusText(fitted, line.full);
}

void TfrmVesperon::ShowStatusText(const QString& shown, const QString& whole) {
  lblStatus_->setText(shown);
  // The whole text for the pointer and for a screen reader, however it was
  // fitted in.
  const QString hint = ClickHint(kStatusLineHint);
  lblStatus_->setToolTip(whole.isEmpty() ? hint : whole + QStringLiteral("\n") + hint);
  lblStatus_->setAccessibleDescription(whole);
  NameStatusLine(whole);
}

void TfrmVesperon::NameStatusLine(const QString& text) {
  statusLine_ = text;
  announcing_ = false;
  const QString name = text.isEmpty() ? tr("Status line") : text;
  if (lblStatus_->accessibleName() != name) lblStatus_->setAccessibleName(name);
}

} // namespace main_window

