// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The list of the next principal phases of the Moon below the calendar: four
// rows, six in the long form, each the phase's name, date and time.

#include "astro/astro_state.h"

#include <QString>
#include <array>

namespace day {

// A row left empty (all three texts) is a phase past the last date the
// program accepts; it is not shown.
struct PhaseRow {
  QString name; // "New Moon", "First Quarter", "Full Moon" or "Last Quarter"
  QString date; // the locale's short date, four-digit year
  QString time; // in the day view's clock (TimeText)
};

inline constexpr int kMaxPhaseRows = 6;

// A LastPhaseK that is no multiple of 0.25, so the next build always rebuilds.
inline constexpr float kRebuildPhaseList = 333.333f;

struct PhaseList {
  std::array<PhaseRow, kMaxPhaseRows> PhaseText{}; // rows in use: PhaseRowCount()
  float LastPhaseK = kRebuildPhaseList; // lunation number of the first row when built
  bool PaintPhases = true;              // the rows changed and need painting
};

// Rows in use: 6 in the long form, else 4.
int PhaseRowCount(bool formLength);

// A lunation number no earlier than the first one listed (about the year 1).
float ClampToFirstListedLunation(float k);

// Whether a phase falls on a date the program accepts: on or before the
// calendar's last date, 31 December 9999, in the clock of its time.
bool IsListedPhase(const astro::Phase& phase);

// The row of a computed phase: its name, short date and TimeText.
PhaseRow PhaseRowOf(const astro::AstroState& state, const astro::Phase& phase);

// The row of the principal phase with lunation number k (quarter values are the
// quarters and the full moon), empty when IsListedPhase refuses it. state must
// be prepared (PrepareDay) for its Delta T; the time is in the state's shown
// clock (see astro::ClockOfDates).
PhaseRow PhaseRowOf(const astro::AstroState& state, float k);

// Makes the next BuildPhaseList() rebuild the rows, e.g. after the clock
// settings or the number of rows changed.
void ForcePhaseListRebuild(PhaseList& list);

// Rebuilds the rows from the quarter lunation at or below the prepared date
// when it differs from list.LastPhaseK, and sets PaintPhases only then. With
// the list hidden (phaseShown off) nothing changes.
void BuildPhaseList(const astro::AstroState& state, bool phaseShown, bool formLength, PhaseList& list);

} // namespace day
