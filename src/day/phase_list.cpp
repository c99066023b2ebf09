// SPDX-License-Identifier: GPL-3.0-or-later
#include "phase_list.h"

#include "astro/display.h"
#include "astro/moon_phase.h"
#include "astro/shown_day.h"
#include "dates/calendar_dates.h"

#include <QCoreApplication>

namespace day {

int PhaseRowCount(bool formLength) { return formLength ? 6 : 4; }

float ClampToFirstListedLunation(float k) { return k < astro::kFirstListedLunation ? astro::kFirstListedLunation : k; }

PhaseRow PhaseRowOf(const astro::AstroState& state, const astro::Phase& phase) {
  // The names are marked for translation where astro gives them.
  return {QCoreApplication::translate("astro", phase.Name.c_str()), astro::ShortDateText(phase.Time),
          astro::TimeText(state, phase.Time)};
}

bool IsListedPhase(const astro::Phase& phase) { return phase.Time < dates::MaxDate + 1.0; }

namespace {

// The next six phases fall within 50 days of the quarter before the date.
constexpr double kPhaseListDays = 50.0;

PhaseRow PhaseRowIn(const astro::ShownClock& clock, const astro::AstroState& state, float k) {
  const astro::Phase phase = astro::MoonPhaseIn(clock, state, state.DeltaTDays, k);
  return IsListedPhase(phase) ? PhaseRowOf(state, phase) : PhaseRow{};
}

} // namespace

PhaseRow PhaseRowOf(const astro::AstroState& state, float k) {
  return PhaseRowIn(astro::ClockOfDates(state, state.CalcDate - kPhaseListDays, state.CalcDate + kPhaseListDays),
                    state, k);
}

void ForcePhaseListRebuild(PhaseList& list) { list.LastPhaseK = kRebuildPhaseList; }

void BuildPhaseList(const astro::AstroState& state, bool phaseShown, bool formLength, PhaseList& list) {
  if (!phaseShown) return;

  float k = astro::QuarterLunationAtOrBelow(state.CenturiesT0);
  list.PaintPhases = false;
  // Compared before the clamp below: near the year 1 the list is rebuilt daily.
  if (k == list.LastPhaseK) return;

  list.PaintPhases = true;
  k = ClampToFirstListedLunation(k);
  list.LastPhaseK = k;
  const astro::ShownClock clock =
      astro::ClockOfDates(state, state.CalcDate - kPhaseListDays, state.CalcDate + kPhaseListDays);
  for (int row = 0; row < PhaseRowCount(formLength); ++row) {
    list.PhaseText[static_cast<std::size_t>(row)] = PhaseRowIn(clock, state, k);
    k += 0.25f;
  }
}

} // namespace day
