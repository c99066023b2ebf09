// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_summary.h"

#include "month/spoken_cells.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

namespace charts {
namespace {

QString ExtremeDay(const char* which, const DaylightDay& day) {
  return QStringLiteral("%1 day: %2, %3 of daylight.")
      .arg(QLatin1String(which), month::SpokenDate(day.date), DurationText(day.dayHours()));
}

QString PolarSentence(const DaylightChart& chart, const PolarSpan& p) {
  const QString what = p.midnightSun ? QStringLiteral("Midnight sun") : QStringLiteral("Polar night");
  const QDate first = chart.days[static_cast<std::size_t>(p.first)].date;
  const QDate last = chart.days[static_cast<std::size_t>(p.last)].date;
  if (first == last) return QStringLiteral("%1 on %2.").arg(what, month::SpokenDate(first));
  return QStringLiteral("%1 from %2 to %3.").arg(what, month::SpokenDate(first), month::SpokenDate(last));
}

QString ClockSentence(const DaylightChart& chart) {
  if (chart.clockChanges.empty()) return QStringLiteral("The clock does not change.");
  QStringList changes;
  for (const ClockChange& c : chart.clockChanges) {
    const double hours = std::fabs(c.hours);
    const QString amount = hours == 1.0 ? QStringLiteral("1 hour") : QStringLiteral("%1 hours").arg(hours);
    changes << QStringLiteral("%1 (%2 %3)")
                   .arg(month::SpokenDate(chart.days[static_cast<std::size_t>(c.day)].date), amount,
                        c.hours > 0.0 ? QStringLiteral("forward") : QStringLiteral("back"));
  }
  return QStringLiteral("The clocks change on %1.").arg(changes.join(QStringLiteral(" and ")));
}

} // namespace

QString DurationText(double hours) {
  const long minutes = std::lround(hours * 60.0);
  return QStringLiteral("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString DaylightSummary(const DaylightChart& chart) {
  QStringList sentences{QStringLiteral("%1, %2.").arg(chart.title, ClockName(chart.clock))};
  if (chart.days.empty()) return sentences.join(QLatin1Char(' '));
  const auto byLength = [](const DaylightDay& a, const DaylightDay& b) { return a.dayHours() < b.dayHours(); };
  const DaylightDay& shortest = *std::min_element(chart.days.begin(), chart.days.end(), byLength);
  const DaylightDay& longest = *std::max_element(chart.days.begin(), chart.days.end(), byLength);
  if (!shortest.polarNight()) sentences << ExtremeDay("Shortest", shortest);
  if (!longest.midnightSun()) sentences << ExtremeDay("Longest", longest);
  for (const PolarSpan& p : chart.polar) sentences << PolarSentence(chart, p);
  sentences << ClockSentence(chart);
  return sentences.join(QLatin1Char(' '));
}

QString AltitudeSummary(const AltitudeChart& chart) {
  QStringList sentences{QStringLiteral("%1, %2.").arg(chart.title, ClockName(chart.clock)),
                        QStringLiteral("Moon: %1, %2% illuminated.").arg(chart.moonPhase).arg(chart.moonPercent)};
  QStringList events;
  for (const AltitudeEvent& e : chart.events) events << QStringLiteral("%1 %2").arg(e.name, e.time);
  sentences << (events.isEmpty() ? QStringLiteral("No rise, transit or set from noon to noon.")
                                 : events.join(QStringLiteral(", ")) + QLatin1Char('.'));
  return sentences.join(QLatin1Char(' '));
}

} // namespace charts
