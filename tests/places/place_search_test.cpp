// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/place_search.h"

#include "test_support.h"

namespace places {
namespace {

const QStringList kNames{
    QString::fromUtf8("Zagreb, Croatia"),  QString::fromUtf8("Zürich, Switzerland"), QString::fromUtf8("Łódź, Poland"),
    QString::fromUtf8("São Paulo, Brazil"), QString::fromUtf8("Straße, Germany"),     QString::fromUtf8("Tromsø, Norway"),
    QString::fromUtf8("Ta'izz, Yemen"),     QString::fromUtf8("Zurich, USA"),
};

TEST(PlaceSearch, FindsByFirstLettersWhateverTheCaseAndAccents) {
  struct Case {
    const char* typed;
    qsizetype from;
    qsizetype found;
  };
  const Case cases[] = {
      {"zurich", 0, 1}, {"Zür", 0, 1}, {"ZÜRICH, S", 0, 1}, {"zurich, u", 0, 7}, // the next after the first
      {"zur", 2, 7},    {"zur", 7, 7}, {"lodz", 0, 2},       {"ŁÓDŹ", 0, 2},     {"sao p", 0, 3},
      {"strasse", 0, 4}, {"tromso", 0, 5}, {"ta’izz", 0, 6},  {"x", 0, -1},       {"", 0, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(FindPlaceByTyping(kNames, QString::fromUtf8(c.typed), c.from), c.found) << c.typed;
}

TEST(PlaceSearch, FindsAPlaceByItsFormerNamesToo) {
  const QStringList names{QStringLiteral("Kochi, India"), QStringLiteral("Kochi, Japan"), QStringLiteral("Odesa, Ukraine")};
  const OtherPlaceNames former = ParseOtherPlaceNames("Cochin, India\tKochi, India\nOdessa, Ukraine\tOdesa, Ukraine\r\n"
                                                      "no tab on this line\n");
  struct Case {
    const char* typed;
    qsizetype from;
    qsizetype found;
  };
  const Case cases[] = {
      {"cochin", 1, 0}, {"COCHIN, I", 2, 0}, {"kochi", 0, 0}, {"kochi", 1, 1}, // both Kochis, in turn
      {"odessa", 0, 2}, {"odes", 0, 2},      {"no tab", 0, -1},
  };
  for (const Case& c : cases) EXPECT_EQ(FindPlaceByTyping(names, QString::fromUtf8(c.typed), c.from, former), c.found) << c.typed;
  EXPECT_EQ(FindPlaceByTyping(names, QStringLiteral("cochin"), 0), -1) << "without the former names";
}

} // namespace
} // namespace places
