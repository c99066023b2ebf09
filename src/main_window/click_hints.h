// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a click on a painted row of the day view does: the click areas' hints,
// and the names of the same commands as actions of the readable rows.

namespace main_window {

inline constexpr const char* kReturnToTodayHint = "Return to Today";
inline constexpr const char* kTwilightTypeHint = "Toggle Twilight Type";
inline constexpr const char* kTransitHint = "Show/Hide Transit";
inline constexpr const char* kAzimuthHint = "Toggle Illumination/Azimuth";
inline constexpr const char* kPhaseRowsHint = "Toggle 4/6 Phases";
inline constexpr const char* kStatusLineHint = "Left click toggles status bar, right click to change colors";

} // namespace main_window
