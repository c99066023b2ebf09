// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/phase_list.h"

#include "astro/moon_phase.h"
#include "astro/time_scales.h"
#include "day/day_computation.h"
#include "day_test_support.h"

#include <gtest/gtest.h>

namespace day {
namespace {

using test::DateOf;
using test::kGreenwich;
using test::StateFor;

// The window's day view at Greenwich in the 24-hour clock.
struct DayView {
  DayViewState view;
  astro::AstroState state;
  DayViewOptions options;

  DayView() : state(StateFor(kGreenwich, 1, view)) {}

  void Show(int year, int month, int day) {
    state.CalcDate = DateOf(year, month, day);
    ComputeDay(state, options, view);
  }
};

void ExpectRow(const PhaseRow& row, const char* name, const char* date, const char* time) {
  EXPECT_EQ(row.name, QLatin1String(name));
  EXPECT_EQ(row.date, QLatin1String(date));
  EXPECT_EQ(row.time, QLatin1String(time));
}

TEST(BuildPhaseList, ListsFourPhasesFromTheQuarterAtOrBelowTheDate) {
  DayView day;
  day.Show(2000, 1, 6); // k = 0: the new moon of 2000-01-06
  EXPECT_EQ(day.view.Phases.LastPhaseK, 0.0f);
  EXPECT_TRUE(day.view.Phases.PaintPhases);
  ExpectRow(day.view.Phases.PhaseText[0], "New Moon", "1/6/2000", "18:14");
  ExpectRow(day.view.Phases.PhaseText[1], "First Quarter", "1/14/2000", "13:34");
  ExpectRow(day.view.Phases.PhaseText[2], "Full Moon", "1/21/2000", "04:40");
  ExpectRow(day.view.Phases.PhaseText[3], "Last Quarter", "1/28/2000", "07:57");
  EXPECT_TRUE(day.view.Phases.PhaseText[4].name.isEmpty()) << "short form: rows 5 and 6 unused";
}

TEST(BuildPhaseList, KeepsTheRowsWithinAQuarterLunationAndRebuildsAcrossOne) {
  DayView day;
  struct Step {
    int day;
    float k;
    bool rebuilt;
  };
  const Step steps[] = {{6, 0.0f, true}, {7, 0.0f, false}, {13, 0.0f, false}, {14, 0.25f, true}, {15, 0.25f, false}};
  for (const auto& step : steps) {
    day.view.Phases.PhaseText[0].time = QStringLiteral("marker");
    day.Show(2000, 1, step.day);
    EXPECT_EQ(day.view.Phases.LastPhaseK, step.k) << "day " << step.day;
    EXPECT_EQ(day.view.Phases.PaintPhases, step.rebuilt) << "day " << step.day;
    EXPECT_EQ(day.view.Phases.PhaseText[0].time == QLatin1String("marker"), !step.rebuilt) << "day " << step.day;
  }
  EXPECT_EQ(day.view.Phases.PhaseText[0].name, QLatin1String("First Quarter"));
}

TEST(BuildPhaseList, LongFormAddsTwoPhasesEachAQuarterLunationLater) {
  DayView day;
  day.Show(2000, 1, 6);
  const PhaseList shortForm = day.view.Phases;

  day.options.FormLength = true;
  ForcePhaseListRebuild(day.view.Phases); // as the long-form command does
  day.Show(2000, 1, 6);
  const PhaseList& longForm = day.view.Phases;
  EXPECT_TRUE(longForm.PaintPhases);
  for (int row = 0; row < 4; ++row) EXPECT_EQ(longForm.PhaseText[row].date, shortForm.PhaseText[row].date);
  ExpectRow(longForm.PhaseText[4], "New Moon", "2/5/2000", "13:03");
  ExpectRow(longForm.PhaseText[5], "First Quarter", "2/12/2000", "23:21");
  EXPECT_EQ(PhaseRowCount(true), 6);
  EXPECT_EQ(PhaseRowCount(false), 4);
}

TEST(BuildPhaseList, RebuildsInTheNewClockAfterApplyTimeSettings) {
  DayView day;
  day.Show(2000, 1, 6);
  ApplyTimeSettings(day.state, 0, kGreenwich.zone, day.view.Phases);
  EXPECT_EQ(day.view.Phases.LastPhaseK, kRebuildPhaseList);
  day.Show(2000, 1, 7);
  EXPECT_TRUE(day.view.Phases.PaintPhases);
  EXPECT_EQ(day.view.Phases.PhaseText[0].time, QLatin1String("6:14 PM"));
}

TEST(BuildPhaseList, ChangesNothingWhileTheListIsHidden) {
  DayView day;
  day.options.Phase = false;
  day.view.Phases.PaintPhases = true;
  day.Show(2000, 1, 6);
  EXPECT_EQ(day.view.Phases.LastPhaseK, kRebuildPhaseList);
  EXPECT_TRUE(day.view.Phases.PaintPhases);
  EXPECT_TRUE(day.view.Phases.PhaseText[0].name.isEmpty());
}

TEST(BuildPhaseList, StartsNoEarlierThanTheFirstListedLunation) {
  DayView day;
  day.Show(1, 1, 1);
  // The quarter below the first day lies before the year 1; the list starts at
  // the clamp, whose last quarter falls on 0001-01-03.
  EXPECT_LT(astro::QuarterLunationAtOrBelow(day.state.CenturiesT0), astro::kFirstListedLunation);
  EXPECT_EQ(day.view.Phases.LastPhaseK, astro::kFirstListedLunation);
  ExpectRow(day.view.Phases.PhaseText[0], "Last Quarter", "1/3/0001", "08:13");

  // The unclamped lunation number is compared with the clamped one kept: the
  // same first day shown again rebuilds, the next day (whose own quarter is
  // the clamp) keeps the rows.
  day.Show(1, 1, 1);
  EXPECT_TRUE(day.view.Phases.PaintPhases);
  day.Show(1, 1, 2);
  EXPECT_FALSE(day.view.Phases.PaintPhases);
}

TEST(BuildPhaseList, EndsWithTheLastDateTheProgramAccepts) {
  DayView day;
  day.options.FormLength = true;
  day.Show(9999, 12, 31);
  const auto& rows = day.view.Phases.PhaseText;
  EXPECT_TRUE(rows[0].date.endsWith(QLatin1String("/9999"))) << rows[0].date.toStdString();
  int listed = 0;
  for (const PhaseRow& row : rows) {
    if (row.name.isEmpty()) {
      EXPECT_TRUE(row.date.isEmpty() && row.time.isEmpty());
      continue;
    }
    ++listed;
    EXPECT_TRUE(row.date.endsWith(QLatin1String("/9999"))) << row.date.toStdString();
  }
  EXPECT_LT(listed, 6) << "the phases of the year 10000 are not listed";
  EXPECT_TRUE(rows[5].name.isEmpty());
}

} // namespace
} // namespace day
