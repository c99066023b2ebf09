// SPDX-License-Identifier: GPL-3.0-or-later
#include "status_texts.h"

#include "display.h"

namespace dayview {

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

StatusPanelTexts StatusPanelTextsOf(const QString& siteName, const astro::AstroState& state, int twilight,
                                    QTime now) {
  return {siteName, TimeTypeText(state.TimeType), TwilightText(twilight), ClockText(now, state.TimeFormat)};
}

} // namespace dayview
