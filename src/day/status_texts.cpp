// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_texts.h"

#include "astro/display.h"
#include "astro/shown_clock.h"

#include <QCoreApplication>

namespace day {

QString TimeTypeText(int timeType) {
  switch (timeType) {
    case 0: return QCoreApplication::translate("day", "ST", "Standard Time, short");
    case 1: return QCoreApplication::translate("day", "DT", "Daylight Time, short");
    default: return QCoreApplication::translate("day", "UT", "Universal Time, short");
  }
}

TimeTypeBox TimeTypeBoxOf(const QString& siteName, const astro::AstroState& state) {
  const QString plain = TimeTypeText(state.TimeType);
  const astro::ShownClock* clock = state.LocalClock.get();
  if (!clock) return {plain, {}};
  // Noon of the shown date, UT: clear of the night-time clock changes.
  const double noon = state.CalcDate + 0.5 + state.ZoneHours / 24.0;
  if (state.TimeType == astro::kLocalTime) return {clock->NameAt(noon), {}};
  if ((state.TimeType != 0 && state.TimeType != 1) || !clock->KnowsChanges()) return {plain, {}};
  const bool daylightShown = state.TimeType == 1;
  if (clock->IsDaylightAt(noon) == daylightShown) return {plain, {}};
  QString shown = clock->NameOfKind(noon, daylightShown);
  if (shown.isEmpty()) shown = astro::OffsetName(state.ZoneHours);
  return {plain + QLatin1Char('*'),
          QCoreApplication::translate("day", "%1 keeps %2 on this date; times are shown in %3")
              .arg(siteName, clock->NameAt(noon), shown)};
}

QString TwilightText(int twilight) {
  switch (twilight) {
    case 0: return QCoreApplication::translate("day", "Ast.", "astronomical twilight, short");
    case 1: return QCoreApplication::translate("day", "Naut.", "nautical twilight, short");
    default: return QCoreApplication::translate("day", "Civ.", "civil twilight, short");
  }
}

QString ClockText(QTime now, const std::string& timeFormat) {
  constexpr double kMillisecondsPerDay = 86400000.0;
  return astro::FormatClockTime(now.msecsSinceStartOfDay() / kMillisecondsPerDay, timeFormat);
}

QString SpokenClockText(QTime now, const std::string& timeFormat) {
  std::string minutes = timeFormat;
  for (auto seconds = minutes.find(":ss"); seconds != std::string::npos; seconds = minutes.find(":ss"))
    minutes.erase(seconds, 3);
  return ClockText(QTime(now.hour(), now.minute()), minutes);
}

StatusPanelTexts StatusPanelTextsOf(const QString& siteName, const astro::AstroState& state, int twilight,
                                    QTime now) {
  const TimeTypeBox box = TimeTypeBoxOf(siteName, state);
  return {siteName, box.text, box.note, TwilightText(twilight), ClockText(now, state.TimeFormat),
          SpokenClockText(now, state.TimeFormat)};
}

} // namespace day
