// SPDX-License-Identifier: GPL-3.0-or-later
#include "readable_day.h"

#include "event_texts.h"
#include "moon_rows.h"

#include <QCoreApplication>
#include <QStringList>
#include <cmath>

namespace day {
namespace {

// "Sunrise :" reads as "Sunrise".
QString LabelWords(QString label) {
  label = label.trimmed();
  if (label.endsWith(QLatin1Char(':'))) label.chop(1);
  return label.trimmed();
}

// The extra column as spoken: "37%" as "37 percent", "127°" as "azimuth 127
// degrees".
QString ExtraWords(const QString& extra) {
  if (extra.endsWith(QLatin1Char('%'))) return QCoreApplication::translate("day", "%1 percent").arg(extra.chopped(1));
  if (extra.endsWith(QChar(0x00B0)))
    return QCoreApplication::translate("day", "azimuth %1 degrees").arg(extra.chopped(1));
  return extra;
}

// The painted labels are short to fit their boxes; read out, a row takes its
// event's whole name.
QString SunriseName() { return QCoreApplication::translate("day", "Sunrise"); }
QString SunsetName() { return QCoreApplication::translate("day", "Sunset"); }

QString MoonEventName(const QString& label) {
  const MoonRowKind kind = MoonRowKindOfLabel(label);
  return kind == MoonRowKind::Empty ? label : MoonRowName(kind);
}

} // namespace

QString ReadableEventRow(const QString& label, const QString& time, const QString& extra) {
  const QString name = LabelWords(label);
  if (time == NoneText()) return QCoreApplication::translate("day", "%1: none").arg(name);
  if (extra.isEmpty()) return QCoreApplication::translate("day", "%1 %2", "event, time").arg(name, time);
  return QCoreApplication::translate("day", "%1 %2, %3", "event, time, illumination or azimuth")
      .arg(name, time, ExtraWords(extra));
}

QString ReadablePhaseRow(const PhaseRow& row) {
  return row.name + QLatin1Char(' ') + row.date + QLatin1Char(' ') + row.time;
}

MoonLight MoonLightOf(double illumPercent) {
  return {std::lround(std::fabs(illumPercent)), illumPercent < 0 ? QCoreApplication::translate("day", "waning")
                                                                  : QCoreApplication::translate("day", "waxing")};
}

QString MoonDiscDescription(double illumPercent) {
  const MoonLight light = MoonLightOf(illumPercent);
  return QCoreApplication::translate("day", "Moon %1 percent illuminated, %2").arg(light.percent).arg(light.trend);
}

QString DaySummary(const DayViewState& view, const QString& dayEvents) {
  const DayTexts& t = view.DayText;
  QStringList times = {ReadableEventRow(SunriseName(), t[kSunrise], {}),
                       ReadableEventRow(SunsetName(), t[kSunset], {})};
  // The moon rows in the order of the day, without the transit.
  for (int row = 0; row < 3; ++row) {
    const QString& label = t[kFirstMoonLabel + row];
    if (!label.isEmpty() && MoonRowKindOfLabel(label) != MoonRowKind::Transit)
      times << ReadableEventRow(MoonEventName(label), t[kFirstMoonTime + 2 * row], {});
  }
  QStringList parts = {times.join(QStringLiteral(", ")), MoonDiscDescription(view.IllumPercent)};
  if (!dayEvents.isEmpty()) parts << dayEvents;
  return parts.join(QStringLiteral(". "));
}

std::vector<ReadableRow> ReadableDay(const DayViewState& view, bool phaseShown, bool formLength) {
  const DayTexts& t = view.DayText;
  std::vector<ReadableRow> rows;
  const auto add = [&rows](ReadableSlot slot, const QString& text) { rows.push_back({static_cast<int>(slot), text}); };
  add(ReadableSlot::DateLine, t[kDateLine]);
  // Both twilight rows are painted "Twilight :"; read alone they are told
  // apart as the month table's columns are.
  add(ReadableSlot::TwilightBegins,
      ReadableEventRow(QCoreApplication::translate("day", "Dawn twilight"), t[kTwilightBegins], {}));
  add(ReadableSlot::Sunrise, ReadableEventRow(SunriseName(), t[kSunrise], t[kSunriseAzimuth]));
  add(ReadableSlot::Sunset, ReadableEventRow(SunsetName(), t[kSunset], t[kSunsetAzimuth]));
  add(ReadableSlot::TwilightEnds,
      ReadableEventRow(QCoreApplication::translate("day", "Dusk twilight"), t[kTwilightEnds], {}));
  for (int row = 0; row < 3; ++row) {
    const QString& label = t[kFirstMoonLabel + row];
    if (label.isEmpty()) continue;
    rows.push_back({static_cast<int>(ReadableSlot::FirstMoonRow) + row,
                    ReadableEventRow(MoonEventName(label), t[kFirstMoonTime + 2 * row],
                                     t[kFirstMoonTime + 2 * row + 1])});
  }
  if (phaseShown) {
    for (int row = 0; row < PhaseRowCount(formLength); ++row)
      rows.push_back({static_cast<int>(ReadableSlot::FirstPhaseRow) + row,
                      ReadablePhaseRow(view.Phases.PhaseText[static_cast<std::size_t>(row)])});
  }
  return rows;
}

} // namespace day
