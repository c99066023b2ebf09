// SPDX-License-Identifier: GPL-3.0-or-later
// The settings tests need an application object (program path, data folder)
// and must never reach the user's own files.

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("Vesperon Software"));
  QCoreApplication::setApplicationName(QStringLiteral("VesperonSettingsTests"));
  QStandardPaths::setTestModeEnabled(true);
  // QSettings ignores the test mode: send its user INI files elsewhere too.
  const QTemporaryDir configFolder;
  QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, configFolder.path());
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
