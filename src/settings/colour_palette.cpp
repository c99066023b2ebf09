// SPDX-License-Identifier: GPL-3.0-or-later
#include "colour_palette.h"

namespace settings {

std::optional<PaletteCell> FindInPalette(ColourValue colour) {
  colour &= 0xFFFFFF;
  for (int row = 0; row < kPaletteRows; ++row)
    for (int column = 0; column < kPaletteColumns; ++column)
      if (kColourPalette[row][column] == colour) return PaletteCell{row, column};
  return std::nullopt;
}

} // namespace settings
