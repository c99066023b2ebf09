// SPDX-License-Identifier: GPL-3.0-or-later
#include "altitude_chart.h"

#include "astro/day_altitude.h"
#include "astro/display.h"
#include "astro/time_scales.h"
#include "day/day_computation.h"
#include "day/readable_day.h"
#include "month/month_days.h"

#include <QCoreApplication>
#include <QLocale>
#include <algorithm>
#include <array>

namespace charts {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(charts)
};

constexpr double kStepHours = 1.0 / 6.0;

// The month day of a date, from its month's computation.
month::MonthDay MonthDayOf(const astro::AstroState& base, QDate date) {
  astro::AstroState state = base;
  state.CalcDate = astro::DateTimeOfDate(date);
  return month::ComputeMonthDays(state, 2)[static_cast<std::size_t>(date.day() - 1)];
}

// One local day of the span: its events and altitudes, hours offset from the
// date's 00:00.
struct SpanDay {
  month::MonthDay day;
  double offset; // 0 for the date, 24 for the next day
  astro::AstroState prepared;
};

SpanDay Prepare(const astro::AstroState& base, QDate date, double offset) {
  SpanDay s{MonthDayOf(base, date), offset, base};
  s.prepared.CalcDate = s.day.date;
  astro::PrepareDay(s.prepared);
  return s;
}

std::vector<AltitudePoint> Curve(const std::array<SpanDay, 2>& span, Body body) {
  std::vector<AltitudePoint> points;
  for (double hour = kFirstHour; hour <= kLastHour + 1e-9; hour += kStepHours) {
    const SpanDay& s = hour < 24.0 ? span[0] : span[1];
    const astro::PositionTable positions =
        body == Body::Sun ? s.day.window.SunPositions() : s.day.window.MoonPositions();
    points.push_back({hour, astro::DayAltitude(s.prepared, positions).At((hour - s.offset) / 24.0)});
  }
  return points;
}

QString EventName(Body body, astro::EventSlot slot) {
  static const std::array<const char*, 3> sun = {QT_TRANSLATE_NOOP("charts", "Sun transit"),
                                                 QT_TRANSLATE_NOOP("charts", "Sunrise"),
                                                 QT_TRANSLATE_NOOP("charts", "Sunset")};
  static const std::array<const char*, 3> moon = {QT_TRANSLATE_NOOP("charts", "Moon transit"),
                                                  QT_TRANSLATE_NOOP("charts", "Moonrise"),
                                                  QT_TRANSLATE_NOOP("charts", "Moonset")};
  return Words::tr((body == Body::Sun ? sun : moon)[static_cast<std::size_t>(slot)]);
}

// The events of both days that fall between the two noons.
std::vector<AltitudeEvent> EventsIn(const std::array<SpanDay, 2>& span) {
  std::vector<AltitudeEvent> events;
  for (const SpanDay& s : span) {
    for (const Body body : {Body::Sun, Body::Moon}) {
      const astro::EventTimes& times = body == Body::Sun ? s.day.events.sun : s.day.events.moon;
      const astro::PositionTable positions =
          body == Body::Sun ? s.day.window.SunPositions() : s.day.window.MoonPositions();
      for (const astro::EventSlot slot : {astro::kRise, astro::kTransit, astro::kSet}) {
        const double t = times[static_cast<std::size_t>(slot)];
        if (astro::IsMissingEvent(t)) continue;
        const double hour = s.offset + 24.0 * t;
        if (hour < kFirstHour || hour >= kLastHour) continue;
        events.push_back({body, slot, hour, astro::DayAltitude(s.prepared, positions).At(t), EventName(body, slot),
                          astro::TimeText(s.prepared, t)});
      }
    }
  }
  std::sort(events.begin(), events.end(), [](const AltitudeEvent& a, const AltitudeEvent& b) { return a.hour < b.hour; });
  return events;
}

std::vector<AxisTick> AltitudeTicks() {
  std::vector<AxisTick> ticks;
  for (int degrees = -90; degrees <= 90; degrees += 30)
    ticks.push_back({static_cast<double>(degrees), QStringLiteral("%1\u00b0").arg(degrees)});
  return ticks;
}

} // namespace

QString MoonPhaseName(long percent, bool waxing) {
  if (percent <= 2) return Words::tr("new moon");
  if (percent >= 98) return Words::tr("full moon");
  if (percent >= 48 && percent <= 52) return waxing ? Words::tr("first quarter") : Words::tr("last quarter");
  if (percent < 50) return waxing ? Words::tr("waxing crescent") : Words::tr("waning crescent");
  return waxing ? Words::tr("waxing gibbous") : Words::tr("waning gibbous");
}

AltitudeChart ComputeAltitudeChart(const astro::AstroState& base, const ChartClock& clock, QDate date) {
  AltitudeChart chart;
  chart.date = date;
  chart.clock = clock;
  const std::array<SpanDay, 2> span = {Prepare(base, date, 0.0), Prepare(base, date.addDays(1), 24.0)};
  chart.sun = Curve(span, Body::Sun);
  chart.moon = Curve(span, Body::Moon);
  chart.events = EventsIn(span);

  // The Moon's light as the day view shows it for the date.
  astro::AstroState state = base;
  state.CalcDate = astro::DateTimeOfDate(date);
  day::DayViewState view;
  day::ComputeDay(state, {2, false, false, false}, view);
  const day::MoonLight light = day::MoonLightOf(view.IllumPercent);
  chart.moonPercent = light.percent;
  chart.moonPhase = MoonPhaseName(light.percent, view.IllumPercent >= 0.0);

  chart.hourTicks = HourTicks(kFirstHour, kLastHour, 2.0, clock);
  chart.altitudeTicks = AltitudeTicks();
  chart.title = Words::tr("Sun and Moon altitude at %1, night of %2")
                    .arg(clock.location.SiteName, QLocale().toString(date, QStringLiteral("d MMMM yyyy")));
  chart.subtitle = Words::tr("%1 \u00b7 Moon: %2, %3% illuminated")
                       .arg(ClockAndCoordinates(clock), chart.moonPhase)
                       .arg(chart.moonPercent);
  return chart;
}

} // namespace charts
