// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Which rows of the month table hold days and which are blank separators.

#include <vector>

namespace month {

enum class Grouping {
  None,
  ByFive, // a blank row before days 6, 11, 16, 21, 26 and 31 (Group5)
  ByWeek, // a blank row before each day but the 1st that begins a week (Group7)
};

// The grouping of the window's flags. The menu commands never set both; when
// an edited settings store does, grouping by five wins, and the window should
// clear Group7 so that its check marks agree.
Grouping ResolveGrouping(bool group5, bool group7);

// The day of the month (1..n) that each table row holds, 0 for a separator.
// With ByWeek a week starts on Sunday when sunStart is set, else on Monday.
std::vector<int> RowDays(int year, int month, Grouping grouping, bool sunStart);

} // namespace month
