// SPDX-License-Identifier: GPL-3.0-or-later
#include "shown_clock.h"

#include <QDateTime>
#include <algorithm>
#include <cmath>

namespace astro {
namespace {

// Date-time of the Unix epoch (1970-01-01 00:00 UT), days since 1899-12-30.
constexpr double kUnixEpoch = 25569.0;
constexpr double kMillisecondsPerDay = 86400000.0;

QDateTime DateTimeOfUt(double ut) {
  return QDateTime::fromMSecsSinceEpoch(std::llround((ut - kUnixEpoch) * kMillisecondsPerDay), QTimeZone::utc());
}

double UtOfDateTime(const QDateTime& t) { return kUnixEpoch + static_cast<double>(t.toMSecsSinceEpoch()) / kMillisecondsPerDay; }

float ZoneHoursOfOffset(int secondsEast) { return static_cast<float>(-secondsEast) / 3600.0f; }

// The database's name of a clock, or its offset where the name has no letters
// (the database writes "+0545" for Kathmandu; a fixed zone says "UTC+05:45").
QString NameOrOffset(const QString& abbreviation, float zoneHours) {
  const bool hasLetters = std::any_of(abbreviation.begin(), abbreviation.end(), [](QChar c) { return c.isLetter(); });
  return hasLetters && !abbreviation.startsWith(QLatin1String("UTC")) ? abbreviation : OffsetName(zoneHours);
}

} // namespace

QString OffsetName(float zoneHours) {
  const int minutesEast = static_cast<int>(std::lround(-zoneHours * 60.0f));
  const int magnitude = std::abs(minutesEast);
  return QStringLiteral("%1%2%3")
      .arg(minutesEast < 0 ? QLatin1Char('-') : QLatin1Char('+'))
      .arg(magnitude / 60, 2, 10, QLatin1Char('0'))
      .arg(magnitude % 60, 2, 10, QLatin1Char('0'));
}

ShownClock::ShownClock(float zoneHours) : fixedZoneHours_(zoneHours) {}

ShownClock::ShownClock(const QTimeZone& zone, double first, double last) : zone_(zone), first_(first), last_(last) {
  if (!zone_.isValid()) return;
  spans_.push_back(SpanOfDatabase(first));
  for (const QTimeZone::OffsetData& change : zone_.transitions(DateTimeOfUt(first), DateTimeOfUt(last))) {
    const double at = UtOfDateTime(change.atUtc);
    if (at <= first) continue;
    const float zoneHours = ZoneHoursOfOffset(change.offsetFromUtc);
    spans_.push_back({at, zoneHours, change.daylightTimeOffset != 0, NameOrOffset(change.abbreviation, zoneHours)});
  }
}

ShownClock ShownClock::Covering(double first, double last) const {
  return IsFixed() ? *this : ShownClock(zone_, first, last);
}

ShownClock::Span ShownClock::SpanOfDatabase(double ut) const {
  // Not offsetData(): a zone of a bare offset from UTC has no transitions, and
  // Qt gives such a zone no offset data.
  const QDateTime at = DateTimeOfUt(ut);
  const float zoneHours = ZoneHoursOfOffset(zone_.offsetFromUtc(at));
  return {ut, zoneHours, zone_.isDaylightTime(at), NameOrOffset(zone_.abbreviation(at), zoneHours)};
}

const ShownClock::Span* ShownClock::SpanAt(double ut) const {
  if (spans_.empty() || ut < first_ || ut > last_) return nullptr;
  const auto after = std::upper_bound(spans_.begin(), spans_.end(), ut,
                                      [](double t, const Span& span) { return t < span.fromUt; });
  return after == spans_.begin() ? nullptr : &*(after - 1);
}

float ShownClock::ZoneHoursAt(double ut) const {
  if (IsFixed()) return fixedZoneHours_;
  if (const Span* span = SpanAt(ut)) return span->zoneHours;
  return SpanOfDatabase(ut).zoneHours;
}

double ShownClock::StartOfDay(double date) const {
  if (IsFixed()) return date + fixedZoneHours_ / 24.0;
  // The offsets in force around the date's midnight: that of UT midnight and
  // that of the midnight it gives.
  const float first = ZoneHoursAt(date);
  const float candidates[2] = {first, ZoneHoursAt(date + first / 24.0)};
  double start = 0.0;
  bool found = false;
  for (const float zoneHours : candidates) {
    const double midnight = date + zoneHours / 24.0;
    if (ZoneHoursAt(midnight) != zoneHours) continue;
    start = found ? std::min(start, midnight) : midnight; // a midnight the clocks repeat: the first
    found = true;
  }
  // Neither midnight exists: the clocks skip it, and the day begins as they change.
  if (!found) start = std::max(date + candidates[0] / 24.0, date + candidates[1] / 24.0);
  return start;
}

QString ShownClock::NameAt(double ut) const {
  if (IsFixed()) return OffsetName(fixedZoneHours_);
  if (const Span* span = SpanAt(ut)) return span->name;
  return SpanOfDatabase(ut).name;
}

bool ShownClock::IsDaylightAt(double ut) const {
  if (IsFixed()) return false;
  if (const Span* span = SpanAt(ut)) return span->daylight;
  return SpanOfDatabase(ut).daylight;
}

QString ShownClock::NameOfKind(double ut, bool daylight) const {
  if (IsFixed()) return {};
  if (IsDaylightAt(ut) == daylight) return NameAt(ut);
  // The other clock of the year: the transitions within half a year either side.
  for (const QTimeZone::OffsetData& change : zone_.transitions(DateTimeOfUt(ut - 183.0), DateTimeOfUt(ut + 183.0)))
    if ((change.daylightTimeOffset != 0) == daylight)
      return NameOrOffset(change.abbreviation, ZoneHoursOfOffset(change.offsetFromUtc));
  return {};
}

} // namespace astro
