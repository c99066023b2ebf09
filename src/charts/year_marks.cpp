// SPDX-License-Identifier: GPL-3.0-or-later
#include "year_marks.h"

#include "calendar_file/sky_calendar_events.h"
#include "sky_events/sky_event_list.h"
#include "sky_events/sky_event_texts.h"

#include <QCoreApplication>
#include <algorithm>
#include <cmath>

namespace charts {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(charts)
};

bool SeenFromThePlace(const sky_events::SkyEvent& event) {
  if (event.kind != sky_events::SkyEventKind::LunarEclipse) return true; // solar ones are listed only when seen
  const std::vector<sky_events::ContactMoment> contacts = sky_events::ContactsOf(event);
  return event.lunar->greatest.moonAboveHorizon ||
         std::any_of(contacts.begin(), contacts.end(), [](const sky_events::ContactMoment& c) { return c.aboveHorizon; });
}

MarkKind KindOf(const sky_events::SkyEvent& event) {
  switch (event.kind) {
  case sky_events::SkyEventKind::SolarEclipse: return MarkKind::SolarEclipse;
  case sky_events::SkyEventKind::LunarEclipse: return MarkKind::LunarEclipse;
  default: return MarkKind::Season;
  }
}

} // namespace

std::vector<YearMark> MarksOfYear(int year, const MarkSite& site, QDate today) {
  const double start = calendar_file::JulianDayOfLocalMidnight(QDate(year, 1, 1), site.zoneHours);
  const double end = calendar_file::JulianDayOfLocalMidnight(QDate(year + 1, 1, 1), site.zoneHours);
  const sky_events::EventKinds kinds{true, true, false};
  std::vector<YearMark> marks;
  for (const sky_events::SkyEvent& e :
       sky_events::SkyEventsBetween(start, end, {site.latitudeDeg, site.longitudeDeg, 0.0}, kinds)) {
    if (!SeenFromThePlace(e)) continue;
    const double days = e.jdUt - start; // the shown clock's midnight of 1 January is day 0
    const QString label = KindOf(e) == MarkKind::Season ? sky_events::KindTitle(e.kind) : sky_events::EventSummary(e);
    marks.push_back({KindOf(e), days, (days - std::floor(days)) * 24.0, label});
  }
  if (today.year() == year) marks.push_back({MarkKind::Today, today.dayOfYear() - 0.5, 12.0, Words::tr("Today")});
  return marks;
}

} // namespace charts
