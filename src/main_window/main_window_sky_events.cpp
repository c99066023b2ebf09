// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Sky Events command and the line under the phase list that
// names the shown day's sky events.

#include "main_window.h"

#include "day_canvas.h"
#include "display.h"
#include "help_key.h"
#include "list_fonts.h"
#include "list_window.h"
#include "list_window_settings.h"
#include "sky_events_window.h"
#include "store_snapshot.h"

#include <QLabel>
#include <QPalette>

namespace dayview {

void TfrmVesperon::ShowSkyEvents() {
  if (!frmSkyEvents_) {
    frmSkyEvents_ = new skywindow::SkyEventsWindow(this, [this] {
      // The grid takes the month table's font, as chosen there or stored.
      const settings::ListWindowSettings list =
          frmList_ ? frmList_->listSettings()
                   : settings::LoadListWindowSettings(settings::StoreSnapshot(storePath_).values());
      const QPalette colours = canvas_->palette();
      return skywindow::MainWindowReading{state_, settings_.Location, colours.color(QPalette::Window),
                                          colours.color(QPalette::WindowText),
                                          monthtable::FaceFont(list.SName, list.SSize, list.SBold, list.SItalic)};
    });
  }
  frmSkyEvents_->show();
  frmSkyEvents_->raise();
  frmSkyEvents_->activateWindow();
  frmSkyEvents_->MakeList();
}

QString TfrmVesperon::statusLabelText() const { return lblStatus_->text(); }

void TfrmVesperon::ShowStatusLabel() {
  // The Julian-calendar date, when asked for and the day has one, keeps the
  // line; else the day's sky events, cut to the line's width.
  const QString julian = JulianLine ? view_.DayText[kJulianLine] : QString();
  if (!julian.isEmpty()) {
    lblStatus_->setText(julian);
    return;
  }
  const QDate day = astro::DateOfDateTime(state_.CalcDate);
  const QString events = skywindow::DayEventLine(
      dayEvents_.On(day, state_.SiteLatitude, state_.SiteLongitude, state_.ZoneHours), state_);
  lblStatus_->setText(lblStatus_->fontMetrics().elidedText(events, Qt::ElideRight, lblStatus_->width()));
}

} // namespace dayview
