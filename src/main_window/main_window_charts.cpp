// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's Charts command: the daylight and altitude charts of its
// place, date and clock.

#include "main_window.h"

#include "day_canvas.h"

#include <QPalette>

namespace main_window {

void TfrmVesperon::ShowCharts() {
  if (!frmCharts_) {
    frmCharts_ = new charts_window::ChartsWindow(this, [this] {
      const QPalette colours = canvas_->palette();
      return charts_window::MainWindowReading{state_,
                                              settings_.Location,
                                              settings_.TFormat,
                                              colours.color(QPalette::Window),
                                              colours.color(QPalette::WindowText),
                                              QDate::currentDate()};
    });
  }
  frmCharts_->show();
  frmCharts_->raise();
  frmCharts_->activateWindow();
  frmCharts_->FollowMain();
}

} // namespace main_window
