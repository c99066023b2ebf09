// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The day view as a screen reader reads it: one sentence per painted row, in
// the order the rows are shown, made from the same DayViewState the painter
// draws. The windows hand these to the accessibility bridge.

#include "day_view_state.h"

#include <QString>
#include <vector>

namespace day {

// What a readable row stands for; each kind has a fixed place on the canvas.
enum class ReadableSlot {
  DateLine,
  TwilightBegins,
  Sunrise,
  Sunset,
  TwilightEnds,
  FirstMoonRow, // then the second and third moon rows
  SecondMoonRow,
  ThirdMoonRow,
  FirstPhaseRow, // then up to kMaxPhaseRows rows
};

inline constexpr int kReadableSlotCount = static_cast<int>(ReadableSlot::FirstPhaseRow) + kMaxPhaseRows;

struct ReadableRow {
  int slot = 0; // a ReadableSlot, phase rows counting on from FirstPhaseRow
  QString text;
};

// "Sunrise 7:43 AM", "Moonrise 12:23 AM, 37 percent", "Moonset: none": an
// event's name or painted label ("Sunrise :"), its time or "None" and the
// column beside it. The rows below give each event its whole name, which a
// translated label, shortened to fit its box, may not be.
QString ReadableEventRow(const QString& label, const QString& time, const QString& extra);

// "New Moon 8 Dec 2026 7:51 PM".
QString ReadablePhaseRow(const PhaseRow& row);

// The Moon's lit part in whole per cent and whether it is "waxing" or
// "waning", from the signed illuminated percent (negative while it wanes).
struct MoonLight {
  long percent = 0;
  QString trend;
};
MoonLight MoonLightOf(double illumPercent);

// "Moon 72 percent illuminated, waxing" for the signed illuminated percent.
QString MoonDiscDescription(double illumPercent);

// The day in one breath, for the calendar's focused day: "Sunrise 7:43 AM,
// Sunset 3:53 PM, Moonrise 12:23 AM, Moonset: none. Moon 37 percent
// illuminated, waxing. December solstice 3:50 PM" (the day's sky events, when
// there are any, last).
QString DaySummary(const DayViewState& view, const QString& dayEvents);

// The rows shown: the date line, the four sun rows, the moon rows that have a
// label, and the phase rows while the list is shown (six in the long form).
std::vector<ReadableRow> ReadableDay(const DayViewState& view, bool phaseShown, bool formLength);

} // namespace day
