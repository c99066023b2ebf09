// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's List and Print commands: the month table window and the
// printed image of the window.

#include "main_window.h"

#include "day_canvas.h"
#include "display.h"
#include "help_key.h"
#include "list_window.h"
#include "list_window_settings.h"
#include "store_snapshot.h"
#include "print_output.h"
#include "window_print.h"

#include <QScreen>

namespace dayview {

void TfrmVesperon::ShowList() {
  if (!frmList_) {
    storedListSettings_ = settings::LoadListWindowSettings(settings::StoreSnapshot(storePath_).values());
    frmList_ = new monthtable::TfrmList(this, storedListSettings_, [this] {
      const QPalette colours = canvas_->palette();
      return monthtable::MainWindowReading{state_,
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
  monthtable::PrintAndReport(this, name, [&](QPainter& painter, QPrinter& printer) {
    PrintWindowImage(painter, printer, image, screenDpi);
  });
}

} // namespace dayview
