// SPDX-License-Identifier: GPL-3.0-or-later
#include "places/place_search.h"

#include "test_support.h"

namespace places {
namespace {

TEST(PlaceSearch, KeysFoldCaseAccentsPunctuationAndAbbreviations) {
  const struct {
    const char* text;
    const char* key;
  } cases[] = {
      {"Zürich, Switzerland", "zurich switzerland"}, {"ŁÓDŹ", "lodz"},      {"Straße", "strasse"},
      {"Tromsø", "tromso"},                         {"Ta’izz", "taizz"},    {"Nuku'alofa", "nukualofa"},
      {"St. Petersburg", "saint petersburg"},       {"st petersburg", "saint petersburg"},
      {"St.", "saint"},                             {"st", "st"},           {"Stuttgart", "stuttgart"},
      {"Washington, D.C., USA", "washington dc usa"}, {"Sekondi-Takoradi", "sekondi takoradi"},
      {"  Mt.  Gambier ", "mount gambier"},         {"Ḩolon", "holon"},     {"München", "munchen"},
      {"?!", ""},
  };
  for (const auto& c : cases) EXPECT_EQ(SearchKey(QString::fromUtf8(c.text)), QString::fromUtf8(c.key)) << c.text;
}

TEST(PlaceSearch, RanksExactBeforeBeginningBeforeOtherNameAndBiggerFirst) {
  const QStringList names{QStringLiteral("Kochi, India"),       QStringLiteral("Kochi, Japan"),
                          QStringLiteral("London, Canada"),     QStringLiteral("London, UK"),
                          QStringLiteral("Londonderry, UK"),    QStringLiteral("Munich, Germany"),
                          QStringLiteral("Odesa, Ukraine"),     QStringLiteral("Saint Petersburg, Russia"),
                          QStringLiteral("St. Petersburg, USA"), QStringLiteral("New London, USA")};
  const OtherPlaceNames other = ParseOtherPlaceNames("Cochin, India\tKochi, India\nOdessa, Ukraine\tOdesa, Ukraine\r\n"
                                                     "M\xc3\xbcnchen, Germany\tMunich, Germany\nno tab on this line\n"
                                                     "Elsewhere, Nowhere\tNot Listed, Nowhere\n");
  const PlaceDetailsByName details = ParsePlaceDetails("London, UK\tEurope/London\t8961989\n"
                                                       "London, Canada\tAmerica/Toronto\t422324\n"
                                                       "Kochi, India\tAsia/Kolkata\t604696\n"
                                                       "Kochi, Japan\tAsia/Tokyo\t326545\n"
                                                       "Saint Petersburg, Russia\tEurope/Moscow\t5351935\n"
                                                       "St. Petersburg, USA\tAmerica/New_York\t258308\n");
  const PlaceSearch search(names, other, details);
  const struct {
    const char* typed;
    std::vector<qsizetype> ranked;
  } cases[] = {
      {"london", {3, 2, 4, 9}},          // exact, the bigger first; a beginning; a word
      {"London, Canada", {2}},           // the whole name
      {"lond", {3, 2, 4, 9}},            // beginnings, the bigger first, then the unknown size
      {"kochi", {0, 1}},                 {"cochin", {0}}, {"odessa", {6}}, {"odes", {6}},
      {"munchen", {5}},                  {"MÜNCHEN", {5}},
      {"st petersburg", {7, 8}},         {"Saint-Petersburg", {7, 8}}, {"st. petersburg, u", {8}},
      {"petersburg", {7, 8}},            // a word of the name
      {"no tab", {}},                    {"elsewhere", {}}, {"", {}}, {"x", {}},
  };
  for (const auto& c : cases) EXPECT_EQ(search.Rank(QString::fromUtf8(c.typed)), c.ranked) << c.typed;
}

} // namespace
} // namespace places
