// SPDX-License-Identifier: GPL-3.0-or-later
// The day under the program's German translation (compiled from
// translations/vesperon_de.ts): the painted labels are short to fit their
// boxes, yet a screen reader hears each event's whole name.
#include "day/readable_day.h"

#include "day/day_computation.h"
#include "day/moon_rows.h"
#include "day_test_support.h"

#include <QCoreApplication>
#include <QTranslator>
#include <gtest/gtest.h>

namespace day {
namespace {

class GermanDay : public ::testing::Test {
protected:
  void SetUp() override {
    ASSERT_TRUE(translator_.load(QStringLiteral(VESPERON_GERMAN_QM))) << VESPERON_GERMAN_QM;
    QCoreApplication::installTranslator(&translator_);
  }
  void TearDown() override { QCoreApplication::removeTranslator(&translator_); }

private:
  ScopedLocale locale_{QLocale(QLocale::German, QLocale::Germany)};
  QTranslator translator_;
};

TEST_F(GermanDay, ReadsEachEventByItsWholeName) {
  DayViewState view;
  astro::AstroState state = test::StateFor(test::kGreenwich, 1, view); // 24-hour clock
  state.CalcDate = test::DateOf(2000, 1, 1);
  ComputeDay(state, {0, true, false, false}, view);
  // The moon rows of that day: rise, transit, set.
  ASSERT_EQ(view.DayText[kFirstMoonLabel + 1], MoonRowLabel(MoonRowKind::Transit));
  EXPECT_NE(view.DayText[kFirstMoonLabel + 1], QStringLiteral("Transit :")); // translated

  const std::vector<ReadableRow> rows = ReadableDay(view, false, false);
  ASSERT_EQ(rows.size(), 1u + 4u + 3u);
  EXPECT_TRUE(rows[1].text.startsWith(QStringLiteral("Morgendämmerung 0"))) << rows[1].text.toStdString();
  EXPECT_EQ(rows[2].text, QStringLiteral("Sonnenaufgang 08:06"));
  EXPECT_EQ(rows[3].text, QStringLiteral("Sonnenuntergang 16:01"));
  EXPECT_TRUE(rows[5].text.startsWith(QStringLiteral("Mondaufgang 02:40, "))) << rows[5].text.toStdString();
  EXPECT_TRUE(rows[6].text.startsWith(QStringLiteral("Mondkulmination 08:01"))) << rows[6].text.toStdString();

  // The summary names the rise and set only, in whole words too.
  const QString summary = DaySummary(view, {});
  EXPECT_TRUE(summary.startsWith(QStringLiteral("Sonnenaufgang 08:06, Sonnenuntergang 16:01, Mondaufgang 02:40, "
                                                "Monduntergang ")))
      << summary.toStdString();
  EXPECT_FALSE(summary.contains(QStringLiteral("kulmination"))) << summary.toStdString();
}

} // namespace
} // namespace day
