// SPDX-License-Identifier: GPL-3.0-or-later
#include "cli_commands.h"

#include "astro/display.h"
#include "astro/moon_phase.h"
#include "astro/numeric.h"
#include "astro/shown_day.h"
#include "astro/time_scales.h"
#include "cli_output.h"
#include "day/day_computation.h"
#include "day/phase_list.h"
#include "day/readable_day.h"
#include "day/time_settings.h"
#include "month/copy_text.h"
#include "month/month_table.h"
#include "month/table_texts.h"
#include "month/title_block.h"

#include <QDateTime>
#include <QJsonArray>
#include <QTimeZone>
#include <cmath>
#include <algorithm>
#include <vector>
#include <QJsonDocument>
#include <QJsonObject>

namespace cli {

astro::AstroState StateFor(const CliContext& c, QDate date) {
  astro::AstroState s;
  s.CalcDate = astro::DateTimeOfDate(date);
  s.SiteLatitude = c.site.SiteLatitude;
  s.SiteLongitude = c.site.SiteLongitude;
  s.TimeType = c.settings.TimeType;
  s.ShowSeconds = c.showSeconds;
  s.WantTransit = c.settings.WantTransit;
  s.WantAzimuth = c.settings.WantAzimuth;
  day::PhaseList unused;
  day::SetLocalClock(s, c.site.SiteZoneId, c.site.SiteTimeZone);
  day::ApplyTimeSettings(s, c.settings.TFormat, c.site.SiteTimeZone, unused);
  return s;
}

namespace {

QJsonArray ToJson(const astro::EventTimes& times) {
  QJsonArray array;
  for (const double t : times) array.append(t);
  return array;
}

// A shown time of the day (fraction t of the date's shown day, or a marker) as
// ISO 8601 local time with its offset from UTC, rounded as the day view
// rounds it; null for a marker.
QJsonValue LocalIso(const astro::AstroState& state, const astro::ShownClock& clock, double date, double t) {
  if (astro::IsMissingEvent(t)) return QJsonValue();
  // RoundToMinute keeps a tenth of a minute above the whole minute.
  const qint64 seconds = state.ShowSeconds ? std::llround(t * 86400.0)
                                           : static_cast<qint64>(std::floor(astro::RoundToMinute(t) * 1440.0)) * 60;
  const int offsetSeconds = static_cast<int>(std::lround(-astro::ZoneHoursOfShown(clock, date, t) * 3600.0));
  const QDateTime local(astro::DateOfDateTime(date), QTime(0, 0).addSecs(std::min<qint64>(seconds, 86399)),
                        QTimeZone(offsetSeconds));
  return local.toString(Qt::ISODate);
}

QJsonObject LocalIsoOf(const astro::AstroState& state, const astro::ShownClock& clock, const astro::EventTimes& t) {
  return {{"rise", LocalIso(state, clock, state.CalcDate, t[astro::kRise])},
          {"transit", state.WantTransit ? LocalIso(state, clock, state.CalcDate, t[astro::kTransit]) : QJsonValue()},
          {"set", LocalIso(state, clock, state.CalcDate, t[astro::kSet])}};
}

QString Json(const QJsonDocument& document) { return QString::fromUtf8(document.toJson(QJsonDocument::Indented)); }

// A line of the day view's blocks: label, time and extra column, right-aligned.
QString Row(const QString& label, const QString& time, const QString& extra = {}) {
  QString line = QStringLiteral("%1 %2 %3").arg(label, 11).arg(time, 10).arg(extra, 5);
  while (line.endsWith(QLatin1Char(' '))) line.chop(1);
  return line;
}

// Phase rows as aligned columns: name, date and time.
QStringList PhaseLines(const std::vector<day::PhaseRow>& rows) {
  qsizetype dateWidth = 0;
  for (const day::PhaseRow& row : rows) dateWidth = std::max(dateWidth, row.date.size());
  QStringList lines;
  for (const day::PhaseRow& row : rows)
    if (!row.name.isEmpty()) // empty past the last date
      lines << QStringLiteral("%1 : %2 %3").arg(row.name, -13).arg(row.date, static_cast<int>(dateWidth)).arg(row.time, 10);
  return lines;
}

QString DayText(const CliContext& c, const day::DayViewState& view, double illumPercent, int phaseRows) {
  using namespace day;
  const DayTexts& t = view.DayText;
  QStringList lines;
  lines << t[kDateLine];
  lines << QStringLiteral("%1   %2").arg(PrintableSite(c.site).SiteName, month::CoordinatesLine(c.site));
  lines << month::TwilightLine(month::TimeTypeName(c.settings.TimeType), c.settings.Twilight).trimmed();
  lines << QString();
  lines << Row(t[15], t[kTwilightBegins]) << Row(t[16], t[kSunrise], t[kSunriseAzimuth])
        << Row(t[17], t[kSunset], t[kSunsetAzimuth]) << Row(t[18], t[kTwilightEnds]);
  lines << QString();
  for (int row = 0; row < 3; ++row) {
    const QString line = Row(t[kFirstMoonLabel + row], t[kFirstMoonTime + 2 * row], t[kFirstMoonTime + 2 * row + 1]);
    if (!line.isEmpty()) lines << line;
  }
  lines << QString();
  const MoonLight light = MoonLightOf(illumPercent);
  lines << QStringLiteral("Moon at noon: %1% illuminated, %2").arg(light.percent).arg(light.trend);
  lines << QString();
  lines << PhaseLines({view.Phases.PhaseText.begin(), view.Phases.PhaseText.begin() + phaseRows});
  if (!t[kJulianLine].isEmpty()) lines << QString() << t[kJulianLine];
  return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

} // namespace

CliContext MakeContext(const CliRequest& r, const settings::Settings& stored, const settings::SiteLocation& site,
                       QDate today) {
  CliContext c{stored, site, r.seconds, today};
  if (r.timeType) c.settings.TimeType = *r.timeType;
  if (r.clock) c.settings.TFormat = *r.clock;
  if (r.seconds) c.settings.TFormat = 1; // the 12-hour clock shows no seconds
  if (r.twilight) c.settings.Twilight = *r.twilight;
  if (r.transit) c.settings.WantTransit = *r.transit;
  if (r.azimuth) c.settings.WantAzimuth = *r.azimuth;
  if (r.sundayStart) c.settings.SunStart = *r.sundayStart;
  return c;
}

QString RunDay(const CliRequest& request, const CliContext& c) {
  astro::AstroState state = StateFor(c, request.date.value_or(c.today));
  day::DayViewState view;
  const astro::DayEvents events =
      day::ComputeDay(state, {c.settings.Twilight, true, request.longForm, request.julian}, view);
  const int phaseRows = day::PhaseRowCount(request.longForm);

  if (!request.json) return DayText(c, view, view.IllumPercent, phaseRows);

  QJsonArray dayText;
  for (const QString& text : view.DayText) dayText.append(text);
  QJsonArray phaseText;
  for (int r = 0; r < phaseRows; ++r) {
    const day::PhaseRow& p = view.Phases.PhaseText[static_cast<std::size_t>(r)];
    if (!p.name.isEmpty()) phaseText.append(QJsonArray{p.name, p.date, p.time});
  }
  const astro::ShownClock clock = astro::ClockOfDates(state, state.CalcDate - 1.0, state.CalcDate + 2.0);
  const QJsonObject local{{"sun", LocalIsoOf(state, clock, events.sun)},
                          {"twilight", LocalIsoOf(state, clock, events.twilight)},
                          {"moon", LocalIsoOf(state, clock, events.moon)}};
  const QJsonObject object{
      {"calcDate", state.CalcDate},
      {"zoneHours", static_cast<double>(state.ZoneHours)},
      {"local", local},
      {"dayText", dayText},
      {"illumPercent", view.IllumPercent},
      {"events", QJsonObject{{"sun", ToJson(events.sun)}, {"twilight", ToJson(events.twilight)}, {"moon", ToJson(events.moon)}}},
      {"phaseText", phaseText},
  };
  return Json(QJsonDocument(object));
}

QString RunMonth(const CliRequest& request, const CliContext& c) {
  const QDate month = request.month.value_or(QDate(c.today.year(), c.today.month(), 1));
  const astro::AstroState state = StateFor(c, month);
  const month::ListOptions options{c.settings.TFormat, c.settings.Twilight, c.settings.SunStart,
                                        request.group == 5, request.group == 7};
  const month::MonthTable table = month::ComputeMonthTable(state, options);
  const month::CopyContext copy{PrintableSite(c.site), c.settings.Twilight};
  return month::JoinLines(month::CopyLines(table, copy, request.copyMode), month::LineEnd::Lf);
}

PhaseListOutput RunPhases(const CliRequest& request, const CliContext& c) {
  astro::AstroState state = StateFor(c, request.date.value_or(c.today));
  astro::PrepareDay(state);
  float k = day::ClampToFirstListedLunation(astro::QuarterLunationAtOrBelow(state.CenturiesT0));
  // A phase a week: the clock's changes over the list, read once.
  const astro::ShownClock clock = astro::ClockOfDates(state, state.CalcDate - 1.0, state.CalcDate + 8.0 * request.count);

  QJsonArray array;
  std::vector<day::PhaseRow> rows;
  int listed = 0;
  for (; listed < request.count; ++listed, k += 0.25f) {
    const astro::Phase phase = astro::MoonPhaseIn(clock, state, state.DeltaTDays, k);
    if (!day::IsListedPhase(phase)) break;
    const day::PhaseRow row = day::PhaseRowOf(state, phase);
    if (request.json)
      array.append(QJsonObject{{"name", row.name}, {"time", phase.Time}, {"date", row.date}, {"clock", row.time}});
    else
      rows.push_back(row);
  }
  QString notice;
  if (listed < request.count) {
    notice = QStringLiteral("The list stops at 31 December 9999, the last date the program accepts: %1 of the %2 "
                            "phases asked for are listed.")
                 .arg(listed)
                 .arg(request.count);
  }
  return {request.json ? Json(QJsonDocument(array)) : PhaseLines(rows).join(QLatin1Char('\n')) + QLatin1Char('\n'),
          notice};
}

settings::SiteLocation PrintableSite(settings::SiteLocation site) {
  site.SiteName = EscapeControlCharacters(site.SiteName);
  return site;
}

} // namespace cli
