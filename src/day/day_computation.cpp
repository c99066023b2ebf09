// SPDX-License-Identifier: GPL-3.0-or-later
#include "day_computation.h"

#include "astro/day_positions.h"
#include "astro/display.h"
#include "astro/shown_day.h"
#include "astro/time_scales.h"
#include "event_texts.h"
#include "julian_date.h"
#include "moon_rows.h"

namespace day {
namespace {

using astro::kRise;
using astro::kRiseAzimuth;
using astro::kSet;
using astro::kSetAzimuth;
using astro::kTransit;

void FillSunBlock(const astro::AstroState& state, const astro::DayEvents& events, DayTexts& text) {
  const astro::EventTimes& sun = events.sun;
  text[kSunrise] = EventTimeText(state, sun[kRise]);
  text[kSunset] = EventTimeText(state, sun[kSet]);
  if (state.WantAzimuth) {
    text[kSunriseAzimuth] = EventAzimuthText(sun[kRise], sun[kRiseAzimuth]);
    text[kSunsetAzimuth] = EventAzimuthText(sun[kSet], sun[kSetAzimuth]);
  }
  text[kTwilightBegins] = EventTimeText(state, events.twilight[kRise]);
  text[kTwilightEnds] = EventTimeText(state, events.twilight[kSet]);
}

// Where a moon row's event sits in EventTimes, and its label.
struct MoonEventSlots {
  QString label;
  int time;
  int azimuth; // -1: no azimuth (the transit)
};

MoonEventSlots SlotsOf(MoonRowKind kind) {
  switch (kind) {
    case MoonRowKind::Rise: return {MoonRowLabel(kind), kRise, kRiseAzimuth};
    case MoonRowKind::Set: return {MoonRowLabel(kind), kSet, kSetAzimuth};
    case MoonRowKind::Transit:
    case MoonRowKind::Empty: break;
  }
  return {MoonRowLabel(MoonRowKind::Transit), kTransit, -1};
}

// One moon row: label, time or "None", and beside it the azimuth (rise and set
// only) or the illumination at the event; empty for an event that is missing.
MoonRow MoonRowFor(const astro::AstroState& state, const astro::ThreeDayWindow& window,
                   const astro::EventTimes& moon, MoonRowKind kind) {
  if (kind == MoonRowKind::Empty) return {};
  const MoonEventSlots event = SlotsOf(kind);
  const double time = moon[event.time];
  if (astro::IsMissingEvent(time)) return {event.label, NoneText(), QString()};

  QString extra;
  if (!state.WantAzimuth)
    extra = IlluminationText(astro::MoonIllumination(state, window.MoonEcliptic(), window.SunEcliptic(), time));
  else if (event.azimuth >= 0)
    extra = astro::DegreesText(moon[event.azimuth]);
  return {event.label, astro::TimeText(state, time), extra};
}

void FillMoonBlock(const astro::AstroState& state, const astro::ThreeDayWindow& window,
                   const astro::EventTimes& moon, DayTexts& text) {
  const MoonRowOrder order = MoonRowOrderOf(moon, state.WantTransit);
  const std::array<QString, 9> rows = OrderMoonRows(MoonRowFor(state, window, moon, order[0]),
                                                    MoonRowFor(state, window, moon, order[1]),
                                                    MoonRowFor(state, window, moon, order[2]));
  for (std::size_t i = 0; i < rows.size(); ++i) text[kFirstMoonTime + i] = rows[i];
}

// The Moon's illuminated fraction at local noon times 100, negative while the
// Moon wanes, i.e. while its elongation from the Sun at 0h UT of the next day,
// in (-180, 180] degrees, is negative.
double SignedIllumPercent(const astro::AstroState& state, const astro::ThreeDayWindow& window) {
  const astro::EclipticPosition& moon = window.days[2].moon.ecliptic;
  const astro::EclipticPosition& sun = window.days[2].sun.ecliptic;
  float elongation = static_cast<float>(moon.longitude - sun.longitude);
  if (elongation > 180.0f) elongation -= 360.0f;
  if (elongation < -180.0f) elongation += 360.0f;
  const double percent = 100.0 * astro::MoonIllumination(state, window.MoonEcliptic(), window.SunEcliptic(), 0.5);
  return elongation < 0.0f ? 0.0 - percent : percent;
}

} // namespace

astro::DayEvents ComputeDay(astro::AstroState& state, const DayViewOptions& options, DayViewState& view) {
  DayTexts& text = view.DayText;
  const QString firstMoonLabelBefore = text[kFirstMoonLabel];
  for (int slot = kTwilightBegins; slot <= kFirstMoonLabel + 2; ++slot) text[slot].clear();
  text[kDateLine] = astro::LongDateText(state.CalcDate);
  text[kJulianLine].clear();

  const astro::ShownClock clock = astro::ClockOfDates(state, state.CalcDate - 1.0, state.CalcDate + 2.0);
  astro::PrepareDayIn(clock, state);
  const astro::ThreeDayWindow window = astro::ComputeThreeDayWindow(state);
  const astro::DayEvents events = astro::ComputeDayEventsIn(clock, state, window, options.Twilight);

  FillSunBlock(state, events, text);
  FillMoonBlock(state, window, events.moon, text);
  if (text[kFirstMoonLabel] != firstMoonLabelBefore) view.PaintMoonLabels = true;

  view.IllumPercent = SignedIllumPercent(state, window);
  BuildPhaseList(state, options.Phase, options.FormLength, view.Phases);
  if (options.JulianLine && PrecedesGregorianCalendar(state.CalcDate))
    text[kJulianLine] = JulianDateText(state.CalcDate);
  return events;
}

} // namespace day
