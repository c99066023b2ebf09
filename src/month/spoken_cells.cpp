// SPDX-License-Identifier: GPL-3.0-or-later
#include "spoken_cells.h"

#include "astro/display.h"
#include "astro/numeric.h"
#include "dates/calendar_names.h"
#include "header_labels.h"
#include "missing_reason.h"
#include "table_texts.h"

#include <QCoreApplication>
#include <array>

namespace month {
namespace {

enum class Body { Sun, Twilight, Moon };

QString SpokenTime(double slot, const SpokenContext& context) {
  return astro::FormatClockTime(astro::RoundToMinute(slot),
                                TwentyFourHourClock(context.tFormat, context.timeType) ? "hh:nn" : "h:nn AM/PM");
}

// "no sunset" for each event column (1 to 8), whole: other languages decline
// or capitalise the column's name.
constexpr std::array<const char*, 9> kNoEvent = {
    "",
    QT_TRANSLATE_NOOP("month", "no dawn twilight"),
    QT_TRANSLATE_NOOP("month", "no sunrise"),
    QT_TRANSLATE_NOOP("month", "no sun transit"),
    QT_TRANSLATE_NOOP("month", "no sunset"),
    QT_TRANSLATE_NOOP("month", "no dusk twilight"),
    QT_TRANSLATE_NOOP("month", "no moonrise"),
    QT_TRANSLATE_NOOP("month", "no moon transit"),
    QT_TRANSLATE_NOOP("month", "no moonset")};

// What a missing event means: "no sunset" when it falls on another day, the
// body staying above or below its altitude all day when it never crosses it.
QString SpokenMissing(int column, month::MissingReason reason, Body body) {
  using month::MissingReason;
  if (reason == MissingReason::NoEventToday)
    return QCoreApplication::translate("month", kNoEvent[static_cast<std::size_t>(column)]);
  const bool above = reason == MissingReason::StaysAbove;
  switch (body) {
  case Body::Sun:
    return above ? QCoreApplication::translate("month", "Sun above the horizon all day")
                 : QCoreApplication::translate("month", "Sun below the horizon all day");
  case Body::Twilight:
    return above ? QCoreApplication::translate("month", "Sun above the twilight altitude all day")
                 : QCoreApplication::translate("month", "Sun below the twilight altitude all day");
  case Body::Moon:
    break;
  }
  return above ? QCoreApplication::translate("month", "Moon above the horizon all day")
               : QCoreApplication::translate("month", "Moon below the horizon all day");
}

} // namespace

QString SpokenDate(QDate date) {
  return QCoreApplication::translate("month", "%1 %2", "day of the month, name of the month")
      .arg(date.day())
      .arg(dates::MonthName(date.month()));
}

TableRow SpokenRow(const MonthDay& day, const TableRow& shown, const SpokenContext& context) {
  const astro::DayEvents& e = day.events;
  const struct {
    double slot;
    Body body;
    Search search;
  } events[] = {{e.twilight[astro::kRise], Body::Twilight, TwilightSearch(day, context.twilight)},
                {e.sun[astro::kRise], Body::Sun, SunSearch(day)},
                {e.sun[astro::kTransit], Body::Sun, SunSearch(day)},
                {e.sun[astro::kSet], Body::Sun, SunSearch(day)},
                {e.twilight[astro::kSet], Body::Twilight, TwilightSearch(day, context.twilight)},
                {e.moon[astro::kRise], Body::Moon, MoonSearch(day)},
                {e.moon[astro::kTransit], Body::Moon, MoonSearch(day)},
                {e.moon[astro::kSet], Body::Moon, MoonSearch(day)}};

  const QString date = SpokenDate(astro::DateOfDateTime(day.date));
  const auto cell = [&date](int column, const QString& value) {
    return QCoreApplication::translate("month", "%1, %2: %3", "column, date: value")
        .arg(ColumnName(column), date, value);
  };
  TableRow row;
  row[0] = date;
  for (int i = 0; i < 8; ++i) {
    const auto& event = events[i];
    const month::MissingReason reason =
        MissingReasonOn(context.dayView, day, event.search, event.slot);
    const int column = i + 1;
    row[static_cast<std::size_t>(column)] =
        cell(column, reason == month::MissingReason::None ? SpokenTime(event.slot, context)
                                                              : SpokenMissing(column, reason, event.body));
  }
  row[kColumnCount - 1] =
      cell(kColumnCount - 1, QCoreApplication::translate("month", "%1 percent").arg(shown[kColumnCount - 1]));
  return row;
}

QString SpokenSeparator(Grouping grouping) {
  return grouping == Grouping::ByWeek ? QCoreApplication::translate("month", "Blank row between weeks")
                                      : QCoreApplication::translate("month", "Blank row after five days");
}

QString SpokenTableName(const MonthTable& table, Grouping grouping) {
  switch (grouping) {
  case Grouping::ByFive:
    return QCoreApplication::translate("month", "%1, grouped by 5 days").arg(table.ListTitle);
  case Grouping::ByWeek:
    return QCoreApplication::translate("month", "%1, grouped by week").arg(table.ListTitle);
  case Grouping::None:
    break;
  }
  return table.ListTitle;
}

} // namespace month
