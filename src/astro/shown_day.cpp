// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_day.h"

#include "date_time.h"
#include "moon_phase.h"
#include "time_scales.h"

#include <cmath>
#include <optional>

namespace astro {
namespace {

// A day longer than 24 hours by more than this (days, under a second) has a
// last hour that the first search does not reach.
constexpr double kLongerDay = 1e-5;

// The continuous day count of a date-time (see EncodeDayCount).
double DecodeDateTime(double dateTime) { return dateTime >= 0.0 ? dateTime : 2.0 * std::trunc(dateTime) - dateTime; }

// One search of the day: its zone hours, the UT instants it covers and its events.
struct Pass {
  float zoneHours;
  DayEvents events;
};

class WallDay {
public:
  WallDay(const ShownClock& clock, double date) : clock_(clock), date_(date),
        start_(clock.StartOfDay(date)), end_(clock.StartOfDay(date + 1.0)) {}

  double Start() const { return start_; }
  double End() const { return end_; }

  // A pass's time t on the wall clock; empty when its instant lies in another day.
  std::optional<double> Wall(double t, float passZoneHours) const {
    const double ut = date_ + t + passZoneHours / 24.0;
    if (ut < start_ || ut >= end_) return std::nullopt;
    return t + (passZoneHours - clock_.ZoneHoursAt(ut)) / 24.0;
  }

  // The slot's time and azimuth from the first pass, or from the late pass where
  // the first has none in this day.
  void Merge(EventTimes& out, const EventTimes& first, float firstZone, const EventTimes* late, float lateZone,
             int slot) const {
    const auto take = [&](const EventTimes& from, float zone) -> bool {
      if (IsMissingEvent(from[slot])) return false;
      const std::optional<double> wall = Wall(from[slot], zone);
      if (!wall) return false;
      out[slot] = *wall;
      if (slot != kTransit) out[slot + 2] = from[slot + 2];
      return true;
    };
    out[slot] = first[slot];
    if (slot != kTransit) out[slot + 2] = first[slot + 2];
    if (take(first, firstZone) || (late && take(*late, lateZone))) return;
    if (!IsMissingEvent(first[slot])) {
      out[slot] = NoEventToday; // its instant belongs to the next day
      if (slot != kTransit) out[slot + 2] = 0.0;
    }
  }

private:
  const ShownClock& clock_;
  double date_, start_, end_;
};

EventTimes WallTimes(const WallDay& day, bool transit, const EventTimes& first, float firstZone,
                     const EventTimes* late, float lateZone) {
  EventTimes out = first;
  for (const int slot : {kTransit, kRise, kSet}) {
    if (slot == kTransit && !transit) continue;
    day.Merge(out, first, firstZone, late, lateZone, slot);
  }
  return out;
}

} // namespace

ShownClock ClockOfDates(const AstroState& state, double first, double last) {
  if (state.TimeType == kLocalTime && state.LocalClock) return state.LocalClock->Covering(first, last);
  return ShownClock(state.ZoneHours);
}

void PrepareDayIn(const ShownClock& clock, AstroState& state) {
  if (!clock.IsFixed())
    state.ZoneHours = static_cast<float>((clock.StartOfDay(state.CalcDate) - state.CalcDate) * 24.0);
  PrepareDay(state);
}

DayEvents ComputeDayEventsIn(const ShownClock& clock, const AstroState& state, const ThreeDayWindow& window,
                             int twilightType) {
  const DayEvents first = ComputeDayEvents(state, window, twilightType);
  if (clock.IsFixed()) return first;

  const WallDay day(clock, state.CalcDate);
  std::optional<Pass> late;
  if (day.End() > day.Start() + 1.0 + kLongerDay) {
    AstroState later = state;
    later.ZoneHours = static_cast<float>((day.End() - 1.0 - state.CalcDate) * 24.0);
    PrepareDay(later);
    late = Pass{later.ZoneHours, ComputeDayEvents(later, window, twilightType)};
  }
  const float zone = state.ZoneHours;
  const float lateZone = late ? late->zoneHours : zone;
  const bool transit = state.WantTransit;
  return {WallTimes(day, transit, first.sun, zone, late ? &late->events.sun : nullptr, lateZone),
          WallTimes(day, transit, first.twilight, zone, late ? &late->events.twilight : nullptr, lateZone),
          WallTimes(day, transit, first.moon, zone, late ? &late->events.moon : nullptr, lateZone)};
}

Phase MoonPhaseIn(const ShownClock& clock, const AstroState& state, double deltaT, float k) {
  if (clock.IsFixed()) return MoonPhase(state, deltaT, k);
  AstroState universal = state;
  universal.ZoneHours = 0.0f;
  Phase phase = MoonPhase(universal, deltaT, k);
  phase.Time = EncodeDayCount(ShownOfUt(clock, DecodeDateTime(phase.Time)));
  return phase;
}

double ShownOfUt(const ShownClock& clock, double ut) { return ut - clock.ZoneHoursAt(ut) / 24.0; }

float ZoneHoursOfShown(const ShownClock& clock, double date, double t) {
  if (clock.IsFixed()) return clock.ZoneHoursAt(date);
  // The offsets of the day's midnight and of its end: one of them is in force.
  const float candidates[2] = {static_cast<float>((clock.StartOfDay(date) - date) * 24.0),
                               static_cast<float>((clock.StartOfDay(date + 1.0) - date - 1.0) * 24.0)};
  for (const float zoneHours : candidates)
    if (clock.ZoneHoursAt(date + t + zoneHours / 24.0) == zoneHours) return zoneHours;
  return candidates[1];
}

} // namespace astro
