// SPDX-License-Identifier: GPL-3.0-or-later
#include "month_days.h"

#include "calendar_dates.h"
#include "day_positions.h"
#include "rise_transit_set.h"
#include "table_texts.h"
#include "time_scales.h"

namespace monthtable {
namespace {

// The Moon's illumination is read at the middle of the local day.
constexpr double kMidday = 0.5;

} // namespace

std::vector<MonthDay> ComputeMonthDays(const astro::AstroState& dayView, int twilight) {
  astro::AstroState state = dayView;
  state.WantTransit = true; // the table always has transit columns

  const calendar::ShownDate shown = calendar::SplitDate(dayView.CalcDate);
  const int dayCount = calendar::DaysInMonth(shown.month, shown.year);
  const int twilightKind = TwilightKind(twilight);

  // The cursor: the first of the month, then one day on per row.
  state.CalcDate = calendar::JoinDate({shown.year, shown.month, 1});
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

Search SunSearch(const MonthDay& day) {
  return {day.window.days[1].sun.equatorial.declination, astro::kSunriseAltitude};
}

Search TwilightSearch(const MonthDay& day, int twilight) {
  return {day.window.days[1].sun.equatorial.declination, astro::TwilightAltitude(TwilightKind(twilight))};
}

Search MoonSearch(const MonthDay& day) {
  return {day.window.days[1].moon.equatorial.declination, astro::MoonRiseAltitude(day.window.MoonParallax())};
}

} // namespace monthtable
