// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_table.h"

#include "astro/display.h"
#include "dates/calendar_dates.h"
#include "month_days.h"
#include "row_grouping.h"
#include "spoken_cells.h"
#include "table_texts.h"

#include <algorithm>
#include <cmath>

namespace month {
namespace {

QString EventText(double slot, int tFormat, int timeType) {
  return astro::IsMissingEvent(slot) ? QStringLiteral("*****") : ListTime(slot, tFormat, timeType);
}

TableRow DayRow(const MonthDay& day, int tFormat, int timeType) {
  const auto time = [&](double slot) { return EventText(slot, tFormat, timeType); };
  const astro::DayEvents& e = day.events;
  // A whole percentage, halves rounded away from zero.
  const long percent = std::lround(day.illuminatedFraction * 100.0);
  return {MarkedDateText(astro::ShortDateText(day.date), day.clocksChange),
          time(e.twilight[astro::kRise]),
          time(e.sun[astro::kRise]),
          time(e.sun[astro::kTransit]),
          time(e.sun[astro::kSet]),
          time(e.twilight[astro::kSet]),
          time(e.moon[astro::kRise]),
          time(e.moon[astro::kTransit]),
          time(e.moon[astro::kSet]),
          QString::number(percent)};
}

} // namespace

bool IsSeparatorRow(const TableRow& row) {
  return std::all_of(row.begin(), row.end(), [](const QString& cell) { return cell.isEmpty(); });
}

MonthTable ComputeMonthTable(const astro::AstroState& dayView, const ListOptions& options) {
  MonthTable table;
  table.ListTitle = ListTitle(dayView.CalcDate);
  const std::vector<MonthDay> days = ComputeMonthDays(dayView, options.Twilight);
  table.TimeTypeName = TimeTypeName(dayView.TimeType, ClockNamesOf(days));
  table.Caption = ListCaption(table.ListTitle, table.TimeTypeName);

  const dates::ShownDate shown = dates::SplitDate(dayView.CalcDate);
  const Grouping grouping = ResolveGrouping(options.Group5, options.Group7);
  const SpokenContext spoken{dayView, options.Twilight, options.TFormat, dayView.TimeType};
  table.rowDays = RowDays(shown.year, shown.month, grouping, options.SunStart);
  for (const int day : table.rowDays) {
    if (day == 0) {
      table.rows.emplace_back();
      TableRow separator;
      separator.fill(SpokenSeparator(grouping));
      table.spoken.push_back(separator);
      continue;
    }
    const MonthDay& computed = days[static_cast<std::size_t>(day - 1)];
    table.rows.push_back(DayRow(computed, options.TFormat, dayView.TimeType));
    table.spoken.push_back(SpokenRow(computed, table.rows.back(), spoken));
  }
  return table;
}

} // namespace month
