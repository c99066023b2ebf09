// SPDX-License-Identifier: GPL-3.0-or-later
#include "time_settings.h"

#include "astro/shown_clock.h"

#include <QLocale>
#include <QTimeZone>
#include <cmath>

namespace day {
namespace {

// 18:00 in "h:nn AMPM" is "6:00 " plus the PM text; trimmed, it is shorter
// than 5 characters exactly when the locale has no PM text.
bool HasDesignators(const DayPeriodTexts& designators) { return !designators.pm.trimmed().isEmpty(); }

} // namespace

DayPeriodTexts LocaleDayPeriodTexts() {
  const QLocale locale;
  return {locale.amText(), locale.pmText()};
}

float ZoneHoursFor(int timeType, float siteTimeZone) {
  switch (timeType) {
    case 0: return siteTimeZone;
    case 1: return siteTimeZone - 1.0f;
    case astro::kLocalTime: return siteTimeZone;
    default: return 0.0f;
  }
}

std::string TimeFormatFor(int tFormat, bool showSeconds, const DayPeriodTexts& designators) {
  if (tFormat == 0) return HasDesignators(designators) ? "h:nn AMPM" : "h:nn AM/PM";
  return showSeconds ? "hh:nn:ss" : "hh:nn";
}

void ApplyTimeSettings(astro::AstroState& state, int tFormat, float siteTimeZone, PhaseList& phases,
                       const DayPeriodTexts& designators) {
  state.ZoneHours = ZoneHoursFor(state.TimeType, siteTimeZone);
  state.TimeFormat = TimeFormatFor(tFormat, state.ShowSeconds, designators);
  ForcePhaseListRebuild(phases);
}

void SetLocalClock(astro::AstroState& state, const QString& zoneId, float siteTimeZone) {
  QTimeZone zone(zoneId.toUtf8());
  if (zoneId.isEmpty() || !zone.isValid()) zone = QTimeZone(static_cast<int>(std::lround(-siteTimeZone * 3600.0f)));
  state.LocalClock = std::make_shared<const astro::ShownClock>(zone, 0.0, -1.0);
}

} // namespace day
