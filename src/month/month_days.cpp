// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_days.h"

#include "astro/day_positions.h"
#include "astro/rise_transit_set.h"
#include "astro/time_scales.h"
#include "dates/calendar_dates.h"
#include "table_texts.h"

namespace month {
namespace {

// The Moon's illumination is read at the middle of the local day.
constexpr double kMidday = 0.5;

} // namespace

std::vector<MonthDay> ComputeMonthDays(const astro::AstroState& dayView, int twilight) {
  astro::AstroState state = dayView;
  state.WantTransit = true; // the table always has transit columns

  const dates::ShownDate shown = dates::SplitDate(dayView.CalcDate);
  const int dayCount = dates::DaysInMonth(shown.month, shown.year);
  const int twilightKind = TwilightKind(twilight);

  // The cursor: the first of the month, then one day on per row.
  state.CalcDate = dates::JoinDate({shown.year, shown.month, 1});
  astro::PrepareDay(state);
  astro::ThreeDayWindow window;
  window.days[0] = astro::ComputeDayRecord(state, -1);
  window.days[1] = astro::ComputeDayRecord(state, 0);

  std::vector<MonthDay> days;
  days.reserve(static_cast<std::size_t>(dayCount));
  for (int day = 1; day <= dayCount; ++day) {
    astro::PrepareDay(state);
    window.days[2] = astro::ComputeDayRecord(state, 1);
    days.push_back({state.CalcDate, astro::ComputeDayEvents(state, window, twilightKind),
                    astro::MoonIllumination(state, window.MoonEcliptic(), window.SunEcliptic(), kMidday), window});
    state.CalcDate += 1.0;
    window.days[0] = window.days[1];
    window.days[1] = window.days[2];
  }
  return days;
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
