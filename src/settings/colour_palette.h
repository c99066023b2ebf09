// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The colour panel's fixed palette of 48 colours, 6 rows of 8, and the
// lookup of a colour in it.

#include "settings_values.h"

#include <array>
#include <optional>

namespace settings {

inline constexpr int kPaletteRows = 6;
inline constexpr int kPaletteColumns = 8;

// Written as 0xBBGGRR, which is the stored colour value itself (red lowest).
inline constexpr std::array<std::array<ColourValue, kPaletteColumns>, kPaletteRows> kColourPalette = {{
    {0xFFFFFF, 0xC0C0FF, 0xC0E0FF, 0xC0FFFF, 0xC0FFC0, 0xFFFFC0, 0xFFC0C0, 0xFFC0FF},
    {0xE0E0E0, 0x8080FF, 0x80C0FF, 0x80FFFF, 0x80FF80, 0xFFFF80, 0xFF8080, 0xFF80FF},
    {0xC0C0C0, 0x0000FF, 0x0080FF, 0x00FFFF, 0x00FF00, 0xFFFF00, 0xFF0000, 0xFF00FF},
    {0x808080, 0x0000C0, 0x0040C0, 0x00C0C0, 0x00C000, 0xC0C000, 0xC00000, 0xC000C0},
    {0x404040, 0x000080, 0x004080, 0x008080, 0x008000, 0x808000, 0x800000, 0x800080},
    {0x000000, 0x000040, 0x404080, 0x004040, 0x004000, 0x404000, 0x400000, 0x400040},
}};

// A cell of the palette, counted from 0.
struct PaletteCell {
  int row = 0;
  int column = 0;
  bool operator==(const PaletteCell&) const = default;
};

// Where the colour stands in the palette (the high byte is ignored); nothing
// for a colour that is not in it.
std::optional<PaletteCell> FindInPalette(ColourValue colour);

} // namespace settings
