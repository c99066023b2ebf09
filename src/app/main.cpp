// SPDX-License-Identifier: GPL-3.0-or-later
// Vesperon: starts the application and shows the main window.

#include "main_window/main_window.h"
#include "settings/standard_descriptors.h"
#include "settings/whole_file_write.h"
#include "terminal_answers.h"
#include "termination_signals.h"
#include "ui_helpers/focus_ring_style.h"
#include "ui_helpers/lock_wait_notice.h"
#include "ui_helpers/shown_language.h"

#include <QApplication>
#include <QDirIterator>
#include <QIcon>

namespace {

// Every size of the program's icon compiled into the resources.
QIcon ProgramIcon() {
  QIcon icon;
  QDirIterator files(QStringLiteral(":/icons"), {QStringLiteral("*.png")}, QDir::Files);
  while (files.hasNext()) icon.addFile(files.next());
  return icon;
}

} // namespace

int main(int argc, char* argv[]) {
  settings::OpenClosedStandardDescriptors();
  settings::IgnoreFileSizeSignal();
  app::AnswerOnTerminal(argc, argv); // before a display is needed
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vesperon"));
  QApplication::setOrganizationName(QStringLiteral("Vesperon Software"));
  // Ties the windows to the installed menu entry (and its icon) on Wayland.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vesperon.Vesperon"));
  ui_helpers::InstallTranslations(QLocale());
  QApplication::setWindowIcon(ProgramIcon());
  QApplication::setStyle(new ui_helpers::FocusRingStyle); // over the platform's style
  ui_helpers::ShowLockWaits();
  app::QuitOnTerminationSignals();

  main_window::TfrmVesperon window;
  window.show();
  return QApplication::exec();
}
