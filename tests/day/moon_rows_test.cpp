// SPDX-License-Identifier: GPL-3.0-or-later
#include "day/moon_rows.h"

#include "day_test_support.h"

#include <gtest/gtest.h>

namespace day {
namespace {

using enum MoonRowKind;

struct OrderCase {
  double transit, rise, set;
  bool wantTransit;
  MoonRowOrder expected;
  const char* note;
};

TEST(MoonRowOrderOf, FollowsTheMoonsCycleFromTheEarliestEvent) {
  const OrderCase cases[] = {
      {0.33, 0.11, 0.55, true, {Rise, Transit, Set}, "rise first"},
      {0.50, 0.80, 0.04, true, {Set, Rise, Transit}, "set first"},
      {0.04, 0.76, 0.37, true, {Transit, Set, Rise}, "transit first"},
      {0.60, 2.00, 0.30, true, {Set, Rise, Transit}, "no rise, the set before the transit"},
      {0.22, 2.00, 0.46, true, {Transit, Set, Rise}, "no rise, the transit before the set"},
      {0.76, 0.49, 2.00, true, {Rise, Transit, Set}, "no set"},
      {2.00, 0.71, 0.34, true, {Set, Rise, Transit}, "no transit"},
      {3.00, 3.00, 3.00, true, {Transit, Set, Rise}, "never rises or sets"},
      {0.00, 0.11, 0.55, false, {Rise, Set, Empty}, "no transit wanted, rise first"},
      {0.00, 0.80, 0.04, false, {Set, Rise, Empty}, "no transit wanted, set first"},
      {0.00, 2.00, 0.46, false, {Set, Rise, Empty}, "no transit wanted, no rise"},
      {0.00, 0.46, 2.00, false, {Rise, Set, Empty}, "no transit wanted, no set"},
      {0.00, 3.00, 3.00, false, {Set, Rise, Empty}, "no transit wanted, never rises or sets"},
  };
  for (const auto& c : cases) {
    const astro::EventTimes moon{c.transit, c.rise, c.set, 0.0, 0.0};
    EXPECT_EQ(MoonRowOrderOf(moon, c.wantTransit), c.expected) << c.note;
  }
}

TEST(OrderMoonRows, ListsTimesAndExtrasThenTheLabels) {
  const MoonRow set{QStringLiteral("Moonset :"), QStringLiteral("00:57"), QStringLiteral("55%")};
  const MoonRow rise{QStringLiteral("Moonrise :"), QStringLiteral("12:04"), QStringLiteral("60%")};
  const MoonRow transit{QStringLiteral("Transit :"), QStringLiteral("19:02"), QString()};
  const std::array<QString, 9> expected = {
      QStringLiteral("00:57"),     QStringLiteral("55%"),       QStringLiteral("12:04"),
      QStringLiteral("60%"),       QStringLiteral("19:02"),     QString(),
      QStringLiteral("Moonset :"), QStringLiteral("Moonrise :"), QStringLiteral("Transit :")};
  EXPECT_EQ(OrderMoonRows(set, rise, transit), expected);
}

} // namespace
} // namespace day
