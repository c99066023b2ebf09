// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's List and Print commands: the month table window and the
// printed image of the window.

#include "main_window.h"

#include "astro/display.h"
#include "day_canvas.h"
#include "help/help_key.h"
#include "month_table_window/list_window.h"
#include "settings/list_window_settings.h"
#include "settings/store_snapshot.h"
#include "ui_helpers/print_output.h"
#include "window_print.h"

#include <QScreen>

namespace main_window {

void TfrmVesperon::ShowList() {
  if (!frmList_) {
    storedListSettings_ = settings::LoadListWindowSettings(settings::StoreSnapshot(storePath_).values());
    frmList_ = new month_table_window::TfrmList(this, storedListSettings_, [this] {
      const QPalette colours = canvas_->palette();
      return month_table_window::MainWindowReading{state_,
                                           settings_.TFormat,
                                           settings_.Twilight,
                                           calendarOptions_.SunStart,
                                           settings_.Location,
                                           colours.color(QPalette::Window),
                                           colours.color(QPalette::WindowText)};
    });
    frmList_->setProperty(help::kHelpContextProperty, help::kMonthTableTopic);
  }
  frmList_->show();
  frmList_->raise();
  frmList_->activateWindow();
  frmList_->MakeList();
}

void TfrmVesperon::PrintWindow() {
  const QImage image = grab().toImage();
  const double screenDpi = screen() ? screen()->logicalDotsPerInch() : 96.0;
  const QString name = QStringLiteral("Vesperon %1").arg(astro::DateOfDateTime(state_.CalcDate).toString(Qt::ISODate));
  ui_helpers::PrintAndReport(this, name, [&](QPainter& painter, QPrinter& printer) {
    PrintWindowImage(painter, printer, image, screenDpi);
  });
}

} // namespace main_window
