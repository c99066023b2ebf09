// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// What a click on a painted row of the day view does: the click areas' hints,
// and the names of the same commands as actions of the readable rows.

#include <QCoreApplication>
#include <QString>

namespace main_window {

inline constexpr const char* kReturnToTodayHint = QT_TRANSLATE_NOOP("main_window", "Return to Today");
inline constexpr const char* kTwilightTypeHint = QT_TRANSLATE_NOOP("main_window", "Toggle Twilight Type");
inline constexpr const char* kTransitHint = QT_TRANSLATE_NOOP("main_window", "Show/Hide Transit");
inline constexpr const char* kAzimuthHint = QT_TRANSLATE_NOOP("main_window", "Toggle Illumination/Azimuth");
inline constexpr const char* kPhaseRowsHint = QT_TRANSLATE_NOOP("main_window", "Toggle 4/6 Phases");
inline constexpr const char* kStatusLineHint =
    QT_TRANSLATE_NOOP("main_window", "Left click toggles status bar, right click to change colors");

// One of the hints above in the shown language.
inline QString ClickHint(const char* hint) { return QCoreApplication::translate("main_window", hint); }

} // namespace main_window
