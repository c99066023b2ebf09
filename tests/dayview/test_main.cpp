// SPDX-License-Identifier: GPL-3.0-or-later
// Every day-view test reads texts in the en_US locale unless it says otherwise.

#include <QLocale>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
  QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
