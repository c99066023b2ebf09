// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_days.h"

#include "astro/day_positions.h"
#include "astro/rise_transit_set.h"
#include "astro/shown_day.h"
#include "astro/time_scales.h"
#include "dates/calendar_dates.h"
#include "table_texts.h"

#include <QStringList>
#include <cmath>

namespace month {
namespace {

// The Moon's illumination is read at the middle of the local day.
constexpr double kMidday = 0.5;
// A day whose length differs from 24 hours by more than this (days, under a
// second) has a change of the clocks.
constexpr double kSameLength = 1e-5;

// The clock's name at the day's noon and whether its clocks change that day.
void MarkClock(const astro::ShownClock& clock, MonthDay& day) {
  if (clock.IsFixed()) return;
  const double start = clock.StartOfDay(day.date);
  const double end = clock.StartOfDay(day.date + 1.0);
  day.clockName = clock.NameAt((start + end) / 2.0);
  day.clocksChange = std::fabs(end - start - 1.0) > kSameLength;
}

} // namespace

std::vector<MonthDay> ComputeMonthDays(const astro::AstroState& dayView, int twilight) {
  astro::AstroState state = dayView;
  state.WantTransit = true; // the table always has transit columns

  const dates::ShownDate shown = dates::SplitDate(dayView.CalcDate);
  const int dayCount = dates::DaysInMonth(shown.month, shown.year);
  const int twilightKind = TwilightKind(twilight);

  // The cursor: the first of the month, then one day on per row.
  state.CalcDate = dates::JoinDate({shown.year, shown.month, 1});
  // The month's clock changes, read once for all its days.
  const astro::ShownClock clock = astro::ClockOfDates(state, state.CalcDate - 1.0, state.CalcDate + dayCount + 1.0);
  astro::PrepareDayIn(clock, state);
  astro::ThreeDayWindow window;
  window.days[0] = astro::ComputeDayRecord(state, -1);
  window.days[1] = astro::ComputeDayRecord(state, 0);

  std::vector<MonthDay> days;
  days.reserve(static_cast<std::size_t>(dayCount));
  for (int day = 1; day <= dayCount; ++day) {
    astro::PrepareDayIn(clock, state);
    window.days[2] = astro::ComputeDayRecord(state, 1);
    days.push_back({state.CalcDate, astro::ComputeDayEventsIn(clock, state, window, twilightKind),
                    astro::MoonIllumination(state, window.MoonEcliptic(), window.SunEcliptic(), kMidday), window,
                    {}, false});
    MarkClock(clock, days.back());
    state.CalcDate += 1.0;
    window.days[0] = window.days[1];
    window.days[1] = window.days[2];
  }
  return days;
}

QString ClockNamesOf(const std::vector<MonthDay>& days) {
  QStringList names;
  for (const MonthDay& day : days)
    if (!day.clockName.isEmpty() && (names.isEmpty() || names.back() != day.clockName)) names << day.clockName;
  names.removeDuplicates();
  return names.join(QLatin1Char('/'));
}

Search SunSearch(const MonthDay& day) { return {day.window.SunPositions(), astro::kSunriseAltitude}; }

Search TwilightSearch(const MonthDay& day, int twilight) {
  return {day.window.SunPositions(), astro::TwilightAltitude(TwilightKind(twilight))};
}

Search MoonSearch(const MonthDay& day) {
  return {day.window.MoonPositions(), astro::MoonRiseAltitude(day.window.MoonParallax())};
}

month::MissingReason MissingReasonOn(const astro::AstroState& base, const MonthDay& day, const Search& search,
                                         double slot) {
  // A time needs no altitudes; only a marker asks which side the body is on.
  if (!astro::IsMissingEvent(slot)) return month::MissingReason::None;
  astro::AstroState prepared = base;
  prepared.CalcDate = day.date;
  astro::PrepareDay(prepared);
  return month::MissingReasonOf(slot, astro::DayAltitude(prepared, search.positions), search.altitude);
}

} // namespace month
