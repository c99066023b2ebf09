// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The charts' colours. The sky's bands run from dark to light in one blue
// hue to a pale yellow, so they stay in order in grey print and for every
// kind of colour-vision deficiency; lines take colours of Okabe and Ito's
// palette, told apart by dashes as well, each drawn over a halo.

#include "chart_scene.h"

#include <array>

namespace charts {

// Night, astronomical, nautical and civil twilight, day: darkest to lightest.
inline constexpr std::array<Rgb, 5> kSkyColours = {0x14213d, 0x27477a, 0x4c74b0, 0x8fb4de, 0xfcefb4};

inline constexpr Rgb kInk = 0x202020;       // text and axes
inline constexpr Rgb kGrid = 0x8a8a8a;      // hour and month lines
inline constexpr Rgb kPaper = 0xffffff;     // the picture's ground and halos
inline constexpr Rgb kSunColour = 0xd55e00; // vermillion
inline constexpr Rgb kMoonColour = 0x009e73; // bluish green
inline constexpr Rgb kMoonriseColour = 0xe69f00; // orange
inline constexpr Rgb kMoonsetColour = 0xcc79a7;  // reddish purple
inline constexpr Rgb kTodayColour = 0xd55e00;
inline constexpr Rgb kSeasonColour = 0x606060;
inline constexpr Rgb kEclipseColour = 0x000000;

} // namespace charts
