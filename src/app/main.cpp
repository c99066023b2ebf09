// Vesperon: starts the application and shows the main window.

#include "main_window.h"

#include <QApplication>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Vesperon"));
  QApplication::setApplicationDisplayName(QStringLiteral("Vesperon"));
  QApplication::setOrganizationName(QStringLiteral("Vesperon Software"));

  dayview::TfrmVesperon window;
  window.show();
  return QApplication::exec();
}
