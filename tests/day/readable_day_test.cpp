// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/readable_day.h"

#include "../support/qstring_printer.h"
#include "astro/display.h"
#include "day/day_computation.h"

#include <QDate>
#include <gtest/gtest.h>

namespace day {
namespace {

TEST(ReadableEventRow, ReadsLabelTimeAndTheColumnBeside) {
  const struct {
    const char *label, *time, *extra, *expected;
  } cases[] = {
      {"Sunrise :", "7:43 AM", "", "Sunrise 7:43 AM"},
      {"Moonrise :", "12:23 AM", "37%", "Moonrise 12:23 AM, 37 percent"},
      {"Moonset :", "None", "", "Moonset: none"},
      {"Sunset :", "17:02", "232\u00B0", "Sunset 17:02, azimuth 232 degrees"},
      {"Transit :", "08:01  UT", "", "Transit 08:01  UT"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(ReadableEventRow(QString::fromUtf8(c.label), QString::fromUtf8(c.time), QString::fromUtf8(c.extra)),
              QString::fromUtf8(c.expected));
}

TEST(MoonDiscDescription, SaysPercentAndWhetherTheMoonWaxes) {
  EXPECT_EQ(MoonDiscDescription(72.4), QStringLiteral("Moon 72 percent illuminated, waxing"));
  EXPECT_EQ(MoonDiscDescription(-99.5), QStringLiteral("Moon 100 percent illuminated, waning"));
  EXPECT_EQ(MoonDiscDescription(0.0), QStringLiteral("Moon 0 percent illuminated, waxing"));
}

// The rows of a computed day: their order and that each one carries the
// painted texts of its slots.
TEST(ReadableDay, ListsTheShownRowsInPaintedOrderFromTheViewState) {
  astro::AstroState state;
  state.SiteLatitude = 51.4779;
  state.SiteLongitude = 0.0015;
  state.TimeFormat = "hh:nn";
  state.WantTransit = true;
  state.CalcDate = astro::DateTimeOfDate(QDate(2000, 1, 1));
  DayViewState view;
  ComputeDay(state, {0, true, false, false}, view);

  const std::vector<ReadableRow> rows = ReadableDay(view, true, false);
  ASSERT_EQ(rows.size(), 1u + 4u + 3u + 4u);
  for (std::size_t i = 1; i < rows.size(); ++i) EXPECT_LT(rows[i - 1].slot, rows[i].slot);
  EXPECT_EQ(rows[0].text, view.DayText[kDateLine]);
  EXPECT_EQ(rows[2].text, QStringLiteral("Sunrise 08:06"));
  EXPECT_EQ(rows[3].text, QStringLiteral("Sunset 16:01"));
  EXPECT_TRUE(rows[5].text.startsWith(QStringLiteral("Moonrise 02:40, "))) << rows[5].text;
  EXPECT_TRUE(rows[6].text.startsWith(QStringLiteral("Transit 08:01"))) << rows[6].text;
  EXPECT_EQ(rows[8].text, ReadablePhaseRow(view.Phases.PhaseText[0]));

  EXPECT_EQ(ReadableDay(view, false, false).size(), 8u); // no phase list
  EXPECT_EQ(ReadableDay(view, true, true).size(), 14u);  // long form, once rebuilt
}

TEST(ReadableDay, LeavesOutTheEmptyThirdMoonRowWithoutTransit) {
  DayViewState view;
  view.DayText[kFirstMoonLabel] = QStringLiteral("Moonset :");
  view.DayText[kFirstMoonTime] = QStringLiteral("None");
  view.DayText[kFirstMoonLabel + 1] = QStringLiteral("Moonrise :");
  view.DayText[kFirstMoonTime + 2] = QStringLiteral("3:10 PM");
  view.DayText[kFirstMoonTime + 3] = QStringLiteral("37%");
  const std::vector<ReadableRow> rows = ReadableDay(view, false, false);
  ASSERT_EQ(rows.size(), 7u);
  EXPECT_EQ(rows[5].text, QStringLiteral("Moonset: none"));
  EXPECT_EQ(rows[6].text, QStringLiteral("Moonrise 3:10 PM, 37 percent"));
  EXPECT_EQ(rows[6].slot, static_cast<int>(ReadableSlot::SecondMoonRow));
}

} // namespace
} // namespace day
