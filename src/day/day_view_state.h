// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What the day view shows, as plain values: the 21 display texts, the Moon's
// signed illuminated percentage, the phase list and the flags that tell the
// painter which optional groups to draw. The main window owns one DayViewState;
// ComputeDay() rewrites it and the painter only reads it.

#include "phase_list.h"

#include <QString>
#include <array>

namespace day {

// Slots of DayText. Slots 0 to 19 are painted in the TextRects entry of the
// same number; slot 20 becomes the status label's caption.
enum DayTextSlot {
  kTwilightBegins = 0,
  kSunrise = 1,
  kSunriseAzimuth = 2,
  kSunset = 3,
  kSunsetAzimuth = 4,
  kTwilightEnds = 5,
  kFirstMoonTime = 6, // then extra, and the same pair for the second and third rows
  kFirstMoonLabel = 12, // 12, 13, 14: labels of the first, second and third moon rows
  kFirstSunLabel = 15,  // 15 to 18: "Twilight :", "Sunrise :", "Sunset :", "Twilight :"
  kDateLine = 19,
  kJulianLine = 20,
};

inline constexpr int kDayTextCount = 21;
using DayTexts = std::array<QString, kDayTextCount>;

// DayText as the window starts: everything empty but the four sun-block labels.
DayTexts InitialDayTexts();

// Display options that ComputeDay() reads besides the astronomy state.
struct DayViewOptions {
  int Twilight = 2;         // 0 astronomical, 1 nautical, 2 civil
  bool Phase = true;        // the phase list is shown
  bool FormLength = false;  // long form: six phases instead of four
  bool JulianLine = false;  // the status label shows the Julian-calendar date
};

struct DayViewState {
  DayTexts DayText = InitialDayTexts();
  // The Moon's illuminated fraction at local noon times 100, negative while it
  // wanes; the disc is drawn from it.
  double IllumPercent = 0.0;
  PhaseList Phases;
  bool PaintSunLabels = true;  // draw DayText[15..18]
  bool PaintMoonLabels = true; // draw DayText[12..14]
};

} // namespace day
