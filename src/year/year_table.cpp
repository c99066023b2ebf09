// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_table.h"

#include "astro/display.h"
#include "astro/rise_transit_set.h"
#include "astro/time_scales.h"
#include "dates/calendar_dates.h"
#include "month/month_days.h"

#include <QStringList>

namespace year {
namespace {

struct EventName {
  YearEvent event;
  const char* name;
  int twilight; // the twilight kind the month computation searches for
};

constexpr EventName kNames[] = {{YearEvent::Sun, "sun", 2},
                                {YearEvent::Moon, "moon", 2},
                                {YearEvent::Civil, "civil", 2},
                                {YearEvent::Nautical, "nautical", 1},
                                {YearEvent::Astronomical, "astronomical", 0}};

const EventName& NameOf(YearEvent event) {
  for (const EventName& n : kNames)
    if (n.event == event) return n;
  return kNames[0];
}

// The searched body's times and search on one day.
struct Searched {
  const astro::EventTimes& times;
  month::Search search;
};

Searched SearchedOn(const month::MonthDay& day, YearEvent event, int twilight) {
  switch (event) {
  case YearEvent::Sun: return {day.events.sun, month::SunSearch(day)};
  case YearEvent::Moon: return {day.events.moon, month::MoonSearch(day)};
  default: return {day.events.twilight, month::TwilightSearch(day, twilight)};
  }
}

// Both times of the day, each with its reason, on the day's own altitudes.
std::array<YearTime, 2> TimesOf(const astro::AstroState& base, const month::MonthDay& day, const Searched& s) {
  const double rise = s.times[astro::kRise], set = s.times[astro::kSet];
  return {YearTime{rise, month::MissingReasonOn(base, day, s.search, rise)},
          YearTime{set, month::MissingReasonOn(base, day, s.search, set)}};
}

} // namespace

QString YearEventName(YearEvent event) { return QLatin1String(NameOf(event).name); }

std::optional<YearEvent> YearEventNamed(const QString& name) {
  for (const EventName& n : kNames)
    if (name.compare(QLatin1String(n.name), Qt::CaseInsensitive) == 0) return n.event;
  return std::nullopt;
}

bool IsTwilight(YearEvent event) { return event != YearEvent::Sun && event != YearEvent::Moon; }

YearTable ComputeYearTable(const astro::AstroState& base, int year, YearEvent event) {
  YearTable table;
  table.year = year;
  table.event = event;
  const int twilight = NameOf(event).twilight;
  astro::AstroState state = base;
  QStringList clockNames;
  for (int month = 1; month <= 12; ++month) {
    state.CalcDate = dates::JoinDate({year, month, 1});
    const std::vector<month::MonthDay> days = month::ComputeMonthDays(state, twilight);
    for (const month::MonthDay& day : days) {
      const Searched s = SearchedOn(day, event, twilight);
      if (table.days.empty()) table.altitude = s.search.altitude;
      table.days.push_back({astro::DateOfDateTime(day.date), TimesOf(base, day, s), day.clocksChange});
    }
    const QString names = month::ClockNamesOf(days);
    if (!names.isEmpty()) clockNames += names.split(QLatin1Char('/'));
  }
  clockNames.removeDuplicates();
  table.clockNames = clockNames.join(QLatin1Char('/'));
  return table;
}

} // namespace year
