// SPDX-License-Identifier: GPL-3.0-or-later
#include "daylight_chart.h"

#include "year/year_table.h"

#include <QCoreApplication>
#include <QLocale>
#include <cmath>

namespace charts {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(charts)
};

// The year tables behind the bands, darkest band's lower edge first.
constexpr std::array<year::YearEvent, kSunAltitudeCount> kSunEvents = {
    year::YearEvent::Astronomical, year::YearEvent::Nautical, year::YearEvent::Civil, year::YearEvent::Sun};

std::optional<double> HoursOf(const year::YearTime& t) {
  if (t.missing != month::MissingReason::None) return std::nullopt;
  return t.time * 24.0;
}

std::vector<AxisTick> MonthTicks(int year) {
  std::vector<AxisTick> ticks;
  for (int m = 1; m <= 12; ++m)
    ticks.push_back({static_cast<double>(QDate(year, m, 1).dayOfYear() - 1),
                     QLocale().standaloneMonthName(m, QLocale::ShortFormat)});
  return ticks;
}

// The middle of the first band (lightest first) that has both edges on the
// day in one span, with its length; nothing on a day without one.
struct DayMiddle {
  double middle, length;
};
std::optional<DayMiddle> MiddleOf(const DaylightDay& day) {
  for (int k = kSunAltitudeCount - 1; k >= 0; --k) {
    const std::vector<HourSpan>& spans = day.above[static_cast<std::size_t>(k)];
    if (spans.size() == 1 && spans[0].from > 0.0 && spans[0].to < 24.0)
      return DayMiddle{0.5 * (spans[0].from + spans[0].to), spans[0].length()};
  }
  return std::nullopt;
}

} // namespace

bool DaylightDay::midnightSun() const { return dayHours() >= 24.0; }
bool DaylightDay::polarNight() const { return above[kDay - 1].empty(); }

std::vector<PolarSpan> PolarSpansOf(const std::vector<DaylightDay>& days) {
  std::vector<PolarSpan> spans;
  for (int i = 0; i < static_cast<int>(days.size()); ++i) {
    const DaylightDay& d = days[static_cast<std::size_t>(i)];
    if (!d.midnightSun() && !d.polarNight()) continue;
    if (!spans.empty() && spans.back().last == i - 1 && spans.back().midnightSun == d.midnightSun())
      spans.back().last = i;
    else
      spans.push_back({i, i, d.midnightSun()});
  }
  return spans;
}

std::vector<ClockChange> ClockChangesOf(const std::vector<DaylightDay>& days) {
  constexpr double kLeastStep = 0.25;     // hours
  constexpr double kMostLengthChange = 0.1; // hours
  std::vector<ClockChange> changes;
  for (std::size_t i = 1; i < days.size(); ++i) {
    const auto before = MiddleOf(days[i - 1]), after = MiddleOf(days[i]);
    if (!before || !after) continue;
    const double step = after->middle - before->middle;
    if (std::fabs(step) >= kLeastStep && std::fabs(after->length - before->length) < kMostLengthChange)
      changes.push_back({static_cast<int>(i), std::round(step * 4.0) / 4.0}); // clocks step in quarter hours
  }
  return changes;
}

DaylightChart ComputeDaylightChart(const astro::AstroState& base, const ChartClock& clock, int year, QDate today) {
  DaylightChart chart;
  chart.year = year;
  chart.clock = clock;
  std::array<year::YearTable, kSunAltitudeCount> sun;
  for (std::size_t k = 0; k < kSunEvents.size(); ++k) sun[k] = year::ComputeYearTable(base, year, kSunEvents[k]);
  const year::YearTable moon = year::ComputeYearTable(base, year, year::YearEvent::Moon);

  chart.days.resize(moon.days.size());
  for (std::size_t i = 0; i < chart.days.size(); ++i) {
    DaylightDay& day = chart.days[i];
    day.date = moon.days[i].date;
    for (std::size_t k = 0; k < sun.size(); ++k) day.above[k] = SpansAbove(sun[k].days[i].times);
    day.moonrise = HoursOf(moon.days[i].times[0]);
    day.moonset = HoursOf(moon.days[i].times[1]);
  }
  chart.polar = PolarSpansOf(chart.days);
  chart.clockChanges = ClockChangesOf(chart.days);
  chart.marks = MarksOfYear(year, {base.SiteLatitude, base.SiteLongitude, base.ZoneHours}, today);
  chart.hourTicks = HourTicks(0.0, 24.0, 3.0, clock);
  chart.monthTicks = MonthTicks(year);
  chart.title = Words::tr("Daylight at %1 in %2").arg(clock.location.SiteName).arg(year);
  chart.subtitle = ClockAndCoordinates(clock);
  return chart;
}

} // namespace charts
