// SPDX-License-Identifier: GPL-3.0-or-later
#include "settings/list_window_settings.h"

#include "test_support.h"

namespace settings {
namespace {

using testing_support::TempStore;

TEST(ListWindowSettings, FirstRunGivesTheDefaults) {
  const TempStore temp;
  const ListWindowSettings s = LoadListWindowSettings(*temp.Open());
  EXPECT_EQ(s, ListWindowSettings{});
  EXPECT_EQ(s.ListTop, 5);
  EXPECT_EQ(s.ListLeft, 5);
  EXPECT_EQ(s.ListHeight, 395);
  EXPECT_FALSE(s.Group5 || s.Group7 || s.GridLines);
  EXPECT_EQ(s.CMode, 0) << "text with header";
  EXPECT_EQ(s.SName, QStringLiteral("Arial"));
  EXPECT_EQ(s.SSize, 10);
  EXPECT_FALSE(s.SBold || s.SItalic);
}

TEST(ListWindowSettings, RoundTripsEveryValue) {
  const TempStore temp;
  ListWindowSettings saved;
  saved.ListTop = -3;
  saved.ListLeft = 700;
  saved.ListHeight = 100; // the window, not the store, keeps it at 200 or more
  saved.Group7 = true;
  saved.GridLines = true;
  saved.CMode = 2;
  saved.SName = QStringLiteral("DejaVu Sans, Book");
  saved.SSize = 14;
  saved.SBold = true;
  saved.SItalic = true;
  saved.ListSaveDir = QString::fromUtf8("/home/someone/Almanac tables/K\xC3\xB6ln");
  SaveListWindowSettings(*temp.Open(), saved);
  EXPECT_EQ(LoadListWindowSettings(*temp.Open()), saved);
  EXPECT_EQ(temp.Open()->value(QStringLiteral("Flags/Group7")).toString(), QStringLiteral("1"));
  EXPECT_EQ(temp.Open()->value(QStringLiteral("Fonts/SSize")).toString(), QStringLiteral("14"));
}

TEST(ListWindowSettings, ImpossibleValuesTakeTheirDefaults) {
  const TempStore temp;
  temp.WriteRaw("[Window]\nListHeight=tall\n"
                "[Flags]\nCMode=3\nGridLines=maybe\n"
                "[Fonts]\nSName=\"   \"\nSSize=72\nSBold=0x0\n");
  EXPECT_EQ(LoadListWindowSettings(*temp.Open()), ListWindowSettings{});
}

TEST(ListWindowSettings, NeverGroupsBothWays) {
  const TempStore temp;
  temp.WriteRaw("[Flags]\nGroup5=1\nGroup7=1\n");
  const ListWindowSettings s = LoadListWindowSettings(*temp.Open());
  EXPECT_TRUE(s.Group5);
  EXPECT_FALSE(s.Group7);
}

} // namespace
} // namespace settings
