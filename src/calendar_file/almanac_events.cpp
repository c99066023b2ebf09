// SPDX-License-Identifier: GPL-3.0-or-later
#include "almanac_events.h"

#include "astro/display.h"
#include "astro/moon_phase.h"
#include "astro/shown_day.h"
#include "astro/time_scales.h"
#include "dates/calendar_dates.h"
#include "day/event_texts.h"
#include "day/phase_list.h"
#include "event_minute.h"
#include "month/month_days.h"
#include "month/table_texts.h"
#include "sky_calendar_events.h"

#include <QCoreApplication>
#include <QStringList>
#include <algorithm>
#include <array>
#include <map>

namespace calendar_file {
namespace {

struct Words {
  Q_DECLARE_TR_FUNCTIONS(calendar_file)
};

using astro::kRise;
using astro::kRiseAzimuth;
using astro::kSet;
using astro::kSetAzimuth;
using astro::kTransit;

// The kind's word in the entries' kinds, and the summaries of twilight's
// beginning and end.
struct TwilightTexts {
  const char* word;
  const char* begins;
  const char* ends;
};

TwilightTexts TwilightOf(int twilight) {
  switch (month::TwilightKind(twilight)) {
  case 0:
    return {"astronomical", QT_TRANSLATE_NOOP("calendar_file", "Astronomical twilight begins"),
            QT_TRANSLATE_NOOP("calendar_file", "Astronomical twilight ends")};
  case 1:
    return {"nautical", QT_TRANSLATE_NOOP("calendar_file", "Nautical twilight begins"),
            QT_TRANSLATE_NOOP("calendar_file", "Nautical twilight ends")};
  default:
    return {"civil", QT_TRANSLATE_NOOP("calendar_file", "Civil twilight begins"),
            QT_TRANSLATE_NOOP("calendar_file", "Civil twilight ends")};
  }
}

// The Moon's phases by the names the astronomy gives them.
const char* const kPhaseNames[] = {
    QT_TRANSLATE_NOOP("calendar_file", "New Moon"), QT_TRANSLATE_NOOP("calendar_file", "First Quarter"),
    QT_TRANSLATE_NOOP("calendar_file", "Full Moon"), QT_TRANSLATE_NOOP("calendar_file", "Last Quarter")};

QString PhaseSummary(const std::string& name) {
  for (const char* known : kPhaseNames)
    if (name == known) return Words::tr(known);
  return QString::fromStdString(name);
}

// Adds the events of one day of the month computation.
class DayCollector {
public:
  DayCollector(const astro::AstroState& state, int twilight, std::vector<AlmanacEvent>& out)
      : state_(state), clock_(astro::ClockOfDates(state, 0.0, -1.0)), out_(out) {
    const TwilightTexts texts = TwilightOf(twilight);
    const QString kind = QLatin1String(texts.word) + QStringLiteral("-twilight-");
    twilightKinds_ = {kind + QStringLiteral("begin"), kind + QStringLiteral("end")};
    twilightSummaries_ = {Words::tr(texts.begins), Words::tr(texts.ends)};
  }

  void Add(const month::MonthDay& day, const EventChoice& choice) {
    date_ = astro::DateOfDateTime(day.date);
    dateTime_ = day.date;
    const astro::DayEvents& e = day.events;
    if (choice.twilight) {
      Event(e.twilight[kRise], twilightKinds_[0], twilightSummaries_[0]);
      Event(e.twilight[kSet], twilightKinds_[1], twilightSummaries_[1]);
    }
    if (choice.sun) {
      Event(e.sun[kRise], QStringLiteral("sunrise"), Words::tr("Sunrise"), Azimuth(e.sun[kRiseAzimuth]));
      Event(e.sun[kSet], QStringLiteral("sunset"), Words::tr("Sunset"), Azimuth(e.sun[kSetAzimuth]));
    }
    if (choice.moon) {
      MoonEvent(day, kRise, QStringLiteral("moonrise"), Words::tr("Moonrise"), kRiseAzimuth);
      MoonEvent(day, kTransit, QStringLiteral("moon-transit"), Words::tr("Moon transit"), -1);
      MoonEvent(day, kSet, QStringLiteral("moonset"), Words::tr("Moonset"), kSetAzimuth);
    }
  }

private:
  static QString Azimuth(double degrees) { return Words::tr("Azimuth %1").arg(astro::DegreesText(degrees)); }

  void Event(double t, const QString& kind, const QString& summary, const QString& description = {}) {
    if (astro::IsMissingEvent(t)) return;
    const float zoneHours = clock_.IsFixed() ? state_.ZoneHours : astro::ZoneHoursOfShown(clock_, dateTime_, t);
    out_.push_back({kind, date_, UtcOfShownMinute(date_, t, zoneHours), summary, description, {}, {}});
  }

  // The summary carries the illumination at the event, as the day view's
  // moon rows show it.
  void MoonEvent(const month::MonthDay& day, int slot, const QString& kind, const QString& name, int azimuth) {
    const double t = day.events.moon[static_cast<std::size_t>(slot)];
    if (astro::IsMissingEvent(t)) return;
    const double lit = astro::MoonIllumination(state_, day.window.MoonEcliptic(), day.window.SunEcliptic(), t);
    Event(t, kind, name + QLatin1Char(' ') + day::IlluminationText(lit),
          azimuth < 0 ? QString() : Azimuth(day.events.moon[static_cast<std::size_t>(azimuth)]));
  }

  const astro::AstroState& state_;
  astro::ShownClock clock_;
  std::array<QString, 2> twilightKinds_, twilightSummaries_; // beginning, end
  std::vector<AlmanacEvent>& out_;
  QDate date_;
  double dateTime_ = 0.0;
};

QString KindOfPhase(const std::string& name) {
  return QString::fromStdString(name).toLower().replace(QLatin1Char(' '), QLatin1Char('-'));
}

void AddPhases(astro::AstroState state, QDate from, QDate to, std::vector<AlmanacEvent>& out) {
  state.CalcDate = astro::DateTimeOfDate(from);
  const astro::ShownClock clock = astro::ClockOfDates(state, state.CalcDate - 1.0, astro::DateTimeOfDate(to) + 2.0);
  astro::PrepareDay(state);
  float k = day::ClampToFirstListedLunation(astro::QuarterLunationAtOrBelow(state.CenturiesT0));
  for (;; k += 0.25f) {
    const astro::Phase phase = astro::MoonPhaseIn(clock, state, state.DeltaTDays, k);
    const QDate date = astro::DateOfDateTime(phase.Time);
    if (date > to || !date.isValid()) break;
    if (date < from) continue;
    const float zoneHours = clock.IsFixed() ? state.ZoneHours
                                            : astro::ZoneHoursOfShown(clock, astro::DateTimeOfDate(date),
                                                                      phase.Time - astro::DateTimeOfDate(date));
    out.push_back({KindOfPhase(phase.Name), date, UtcOfShownMinute(date, phase.Time, zoneHours),
                   PhaseSummary(phase.Name), {}, {}, {}});
  }
}

void AddDayEventsAndPhases(astro::AstroState state, int twilight, QDate from, QDate to, const EventChoice& choice,
                           std::vector<AlmanacEvent>& events) {
  DayCollector collector(state, twilight, events);
  if (choice.sun || choice.twilight || choice.moon) {
    for (QDate month(from.year(), from.month(), 1); month.isValid() && month <= to; month = month.addMonths(1)) {
      state.CalcDate = astro::DateTimeOfDate(month);
      for (const month::MonthDay& day : month::ComputeMonthDays(state, twilight)) {
        const QDate date = astro::DateOfDateTime(day.date);
        if (date >= from && date <= to) collector.Add(day, choice);
      }
    }
  }
  if (choice.phases) AddPhases(state, from, to, events);
}

// A day's events are found within its local day; the same event found within
// another day (another clock's) may come out a minute apart. Its UID takes
// the minute of the event as the days of Universal Time give it, so that it
// is one UID on every clock.
void PinUidInstants(const astro::AstroState& state, int twilight, QDate from, QDate to, const EventChoice& choice,
                    std::vector<AlmanacEvent>& events) {
  // Universal Time needs no pinning; the wall clock of the place may read UT in winter and not in summer.
  if (events.empty() || (state.TimeType != 3 && state.ZoneHours == 0.0f)) return;
  astro::AstroState universal = state;
  universal.ZoneHours = 0.0f;
  universal.TimeType = 2;
  // A day more either side holds every event of the span on any clock.
  const QDate first = std::max(from.addDays(-1), astro::DateOfDateTime(dates::MinDate));
  const QDate last = std::min(to.addDays(1), astro::DateOfDateTime(dates::MaxDate));
  std::vector<AlmanacEvent> reference;
  AddDayEventsAndPhases(universal, twilight, first, last, choice, reference);
  std::map<QString, std::vector<qint64>> minutes; // UTC milliseconds by kind, in time order
  for (const AlmanacEvent& r : reference) minutes[r.kind].push_back(r.start.toMSecsSinceEpoch());
  for (auto& [kind, list] : minutes) std::sort(list.begin(), list.end());
  // Events of one kind are hours apart; a frame moves one by a minute.
  constexpr qint64 kSameEventMs = 2 * 60 * 1000;
  for (AlmanacEvent& e : events) {
    const auto found = minutes.find(e.kind);
    if (found == minutes.end()) continue;
    const qint64 start = e.start.toMSecsSinceEpoch();
    const std::vector<qint64>& list = found->second;
    const auto next = std::lower_bound(list.begin(), list.end(), start - kSameEventMs);
    if (next != list.end() && *next <= start + kSameEventMs && *next != start)
      e.uidStart = QDateTime::fromMSecsSinceEpoch(*next, Qt::UTC);
  }
}

} // namespace

std::optional<EventChoice> EventChoiceNamed(const QString& list) {
  EventChoice choice{false, false, false, false, false, false, false};
  const QStringList names = list.split(QLatin1Char(','));
  for (const QString& raw : names) {
    const QString name = raw.trimmed().toLower();
    if (name == QLatin1String("sun")) choice.sun = true;
    else if (name == QLatin1String("twilight")) choice.twilight = true;
    else if (name == QLatin1String("moon")) choice.moon = true;
    else if (name == QLatin1String("phases")) choice.phases = true;
    else if (name == QLatin1String("seasons")) choice.seasons = true;
    else if (name == QLatin1String("eclipses")) choice.eclipses = true;
    else if (name == QLatin1String("apsides")) choice.apsides = true;
    else return std::nullopt;
  }
  return choice;
}

std::vector<AlmanacEvent> CollectEvents(const astro::AstroState& base, int twilight, QDate from, QDate to,
                                        const EventChoice& choice) {
  std::vector<AlmanacEvent> events;
  // At most nine events a day and a phase every week: room for them at once
  // spares the copies of a growing vector.
  events.reserve(static_cast<std::size_t>(std::max<qint64>(0, from.daysTo(to) + 1)) * 10);
  astro::AstroState state = base;
  state.WantAzimuth = true; // for the descriptions; the times do not change
  AddDayEventsAndPhases(state, twilight, from, to, choice, events);
  PinUidInstants(state, twilight, from, to, choice, events);
  AddSkyEvents(state, from, to, {choice.seasons, choice.eclipses, choice.apsides}, events);
  return events;
}

} // namespace calendar_file
