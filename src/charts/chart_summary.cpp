// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart_summary.h"

#include "month/spoken_cells.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <cmath>

namespace charts {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(charts)
};

// sentence: "Shortest day: %1, %2 of daylight." or the longest's.
QString ExtremeDay(const QString& sentence, const DaylightDay& day) {
  return sentence.arg(month::SpokenDate(day.date), DurationText(day.dayHours()));
}

QString PolarSentence(const DaylightChart& chart, const PolarSpan& p) {
  const QDate first = chart.days[static_cast<std::size_t>(p.first)].date;
  const QDate last = chart.days[static_cast<std::size_t>(p.last)].date;
  if (first == last)
    return (p.midnightSun ? Words::tr("Midnight sun on %1.") : Words::tr("Polar night on %1."))
        .arg(month::SpokenDate(first));
  return (p.midnightSun ? Words::tr("Midnight sun from %1 to %2.") : Words::tr("Polar night from %1 to %2."))
      .arg(month::SpokenDate(first), month::SpokenDate(last));
}

QString ClockSentence(const DaylightChart& chart) {
  if (chart.clockChanges.empty()) return Words::tr("The clock does not change.");
  QString changes;
  for (const ClockChange& c : chart.clockChanges) {
    const double hours = std::fabs(c.hours);
    const QString amount = hours == 1.0 ? Words::tr("1 hour") : Words::tr("%1 hours").arg(hours);
    const QString change = (c.hours > 0.0 ? Words::tr("%1 (%2 forward)") : Words::tr("%1 (%2 back)"))
                               .arg(month::SpokenDate(chart.days[static_cast<std::size_t>(c.day)].date), amount);
    changes = changes.isEmpty() ? change : Words::tr("%1 and %2").arg(changes, change);
  }
  return Words::tr("The clocks change on %1.").arg(changes);
}

} // namespace

QString DurationText(double hours) {
  const long minutes = std::lround(hours * 60.0);
  return Words::tr("%1 h %2 min").arg(minutes / 60).arg(minutes % 60);
}

QString DaylightSummary(const DaylightChart& chart) {
  QStringList sentences{QStringLiteral("%1, %2.").arg(chart.title, ClockName(chart.clock))};
  if (chart.days.empty()) return sentences.join(QLatin1Char(' '));
  const auto byLength = [](const DaylightDay& a, const DaylightDay& b) { return a.dayHours() < b.dayHours(); };
  const DaylightDay& shortest = *std::min_element(chart.days.begin(), chart.days.end(), byLength);
  const DaylightDay& longest = *std::max_element(chart.days.begin(), chart.days.end(), byLength);
  if (!shortest.polarNight()) sentences << ExtremeDay(Words::tr("Shortest day: %1, %2 of daylight."), shortest);
  if (!longest.midnightSun()) sentences << ExtremeDay(Words::tr("Longest day: %1, %2 of daylight."), longest);
  for (const PolarSpan& p : chart.polar) sentences << PolarSentence(chart, p);
  sentences << ClockSentence(chart);
  return sentences.join(QLatin1Char(' '));
}

QString AltitudeSummary(const AltitudeChart& chart) {
  QStringList sentences{QStringLiteral("%1, %2.").arg(chart.title, ClockName(chart.clock)),
                        Words::tr("Moon: %1, %2% illuminated.").arg(chart.moonPhase).arg(chart.moonPercent)};
  QStringList events;
  for (const AltitudeEvent& e : chart.events) events << QStringLiteral("%1 %2").arg(e.name, e.time);
  sentences << (events.isEmpty() ? Words::tr("No rise, transit or set from noon to noon.")
                                 : events.join(QStringLiteral(", ")) + QLatin1Char('.'));
  return sentences.join(QLatin1Char(' '));
}

} // namespace charts
