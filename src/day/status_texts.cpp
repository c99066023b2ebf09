// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_texts.h"

#include "astro/display.h"

namespace day {

QString TimeTypeText(int timeType) {
  switch (timeType) {
    case 0: return QStringLiteral("ST");
    case 1: return QStringLiteral("DT");
    default: return QStringLiteral("UT");
  }
}

QString TwilightText(int twilight) {
  switch (twilight) {
    case 0: return QStringLiteral("Ast.");
    case 1: return QStringLiteral("Naut.");
    default: return QStringLiteral("Civ.");
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
  return {siteName, TimeTypeText(state.TimeType), TwilightText(twilight), ClockText(now, state.TimeFormat),
          SpokenClockText(now, state.TimeFormat)};
}

} // namespace day
