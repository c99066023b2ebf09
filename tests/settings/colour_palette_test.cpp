// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/colour_palette.h"
#include "settings/custom_colours.h"

#include <gtest/gtest.h>
#include <set>

namespace settings {
namespace {

TEST(ColourPalette, HoldsFortyEightDifferentColoursAndFindsEachWhereItStands) {
  std::set<ColourValue> seen;
  for (int row = 0; row < kPaletteRows; ++row)
    for (int column = 0; column < kPaletteColumns; ++column) {
      seen.insert(kColourPalette[row][column]);
      EXPECT_EQ(FindInPalette(kColourPalette[row][column]), (PaletteCell{row, column})) << row << "," << column;
    }
  EXPECT_EQ(seen.size(), 48u);
}

TEST(ColourPalette, FindsTheDefaultColoursAndNothingForOthers) {
  const struct {
    ColourValue colour;
    std::optional<PaletteCell> cell;
    const char* note;
  } cases[] = {
      {kNavy, PaletteCell{4, 6}, "default background, row 5 column 7"},
      {kYellow, PaletteCell{2, 3}, "default text, row 3 column 4"},
      {kWhite, PaletteCell{0, 0}, "default moon, row 1 column 1"},
      {0x0000FF, PaletteCell{2, 1}, "red: red is the lowest byte"},
      {0xFF000080, PaletteCell{4, 1}, "the high byte does not count"},
      {0x123456, std::nullopt, "a colour from the dialog"},
      {0x800001, std::nullopt, "one step from navy"},
  };
  for (const auto& c : cases) EXPECT_EQ(FindInPalette(c.colour), c.cell) << c.note;
}

TEST(CustomColours, ReadsSixteenColoursBlueFirstWithWhiteForGaps) {
  const auto colours = CustomColoursOf({"ColorC=0000ff", "ColorA=ff0000", "ColorP=", "Other=zz", "ColorC=00ff00"});
  ASSERT_TRUE(colours.has_value());
  for (int i = 0; i < kCustomColourCount; ++i) {
    const ColourValue expected = i == 0 ? 0xFF0000 : i == 2 ? 0x0000FF : kWhite;
    EXPECT_EQ((*colours)[i], expected) << "entry " << i;
  }
  EXPECT_EQ(CustomColourEntries(*colours).first(), "ColorA=ff0000");
  EXPECT_EQ(CustomColourEntries(*colours).at(2), "ColorC=0000ff");
  EXPECT_EQ(CustomColoursOf(CustomColourEntries(*colours)), colours) << "round trip";
}

TEST(CustomColours, AValueThatIsNotHexadecimalMakesTheListUnusable) {
  for (const char* bad : {"ColorA=zzzzzz", "ColorB=12 34", "ColorP=-1", "ColorD=123456789"})
    EXPECT_FALSE(CustomColoursOf({"ColorC=0000ff", bad}).has_value()) << bad;
  EXPECT_TRUE(CustomColoursOf({}).has_value());
}

} // namespace
} // namespace settings
