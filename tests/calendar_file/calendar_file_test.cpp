// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar_file/ics_writer.h"

#include "month/month_table.h"
#include "test_site.h"

#include <QRegularExpression>
#include <QTimeZone>
#include <gtest/gtest.h>
#include <libical/ical.h>
#include <map>
#include <memory>

namespace calendar_file {
namespace {

struct ComponentDeleter {
  void operator()(icalcomponent* c) const { icalcomponent_free(c); }
};
using Component = std::unique_ptr<icalcomponent, ComponentDeleter>;

// What libical reads back from one VEVENT.
struct ReadEvent {
  QString uid, summary, description, location;
  QDateTime start;
  QString utcText; // the start as libical holds it, "0000-12-31 13:45"
  bool valid = false, utc = false;
  double geoLatitude = 0.0, geoLongitude = 0.0;
  bool transparent = false;
};

std::vector<ReadEvent> ReadBack(const QByteArray& file) {
  const Component calendar(icalparser_parse_string(file.constData()));
  std::vector<ReadEvent> events;
  if (!calendar) return events;
  for (icalcomponent* e = icalcomponent_get_first_component(calendar.get(), ICAL_VEVENT_COMPONENT); e;
       e = icalcomponent_get_next_component(calendar.get(), ICAL_VEVENT_COMPONENT)) {
    ReadEvent r;
    r.uid = QString::fromUtf8(icalcomponent_get_uid(e));
    r.summary = QString::fromUtf8(icalcomponent_get_summary(e));
    if (const char* d = icalcomponent_get_description(e)) r.description = QString::fromUtf8(d);
    r.location = QString::fromUtf8(icalcomponent_get_location(e));
    const icaltimetype start = icalcomponent_get_dtstart(e);
    r.utc = icaltime_is_utc(start);
    r.valid = icaltime_is_valid_time(start) && !icaltime_is_null_time(start);
    r.utcText = QString::asprintf("%04d-%02d-%02d %02d:%02d", start.year, start.month, start.day, start.hour,
                                  start.minute);
    r.start = QDateTime::fromSecsSinceEpoch(icaltime_as_timet(start), QTimeZone::utc());
    if (icalproperty* geo = icalcomponent_get_first_property(e, ICAL_GEO_PROPERTY)) {
      const icalgeotype g = icalproperty_get_geo(geo);
      r.geoLatitude = g.lat;
      r.geoLongitude = g.lon;
    }
    if (icalproperty* transp = icalcomponent_get_first_property(e, ICAL_TRANSP_PROPERTY))
      r.transparent = icalproperty_get_transp(transp) == ICAL_TRANSP_TRANSPARENT;
    events.push_back(r);
  }
  return events;
}

struct Place {
  settings::SiteLocation location;
  int timeType;
};

astro::AstroState Base(const Place& p, QDate date) {
  astro::AstroState s = testing_support::DayViewAt(date, p.location.SiteLatitude, p.location.SiteLongitude,
                                              p.location.SiteTimeZone - (p.timeType == 1 ? 1.0f : 0.0f));
  if (p.timeType == 2) s.ZoneHours = 0.0f;
  s.TimeType = p.timeType;
  return s;
}

const QDateTime kStamp(QDate(2026, 1, 2), QTime(3, 4, 5), QTimeZone::utc());

// The month table column of a summary's event.
int ColumnOf(const QString& summary) {
  static const std::pair<const char*, int> columns[] = {
      {"Civil twilight begins", 1}, {"Sunrise", 2}, {"Sunset", 4}, {"Civil twilight ends", 5},
      {"Moonrise", 6},              {"Moon transit", 7}, {"Moonset", 8}};
  for (const auto& [prefix, column] : columns)
    if (summary.startsWith(QLatin1String(prefix))) return column;
  return -1;
}

TEST(CalendarFile, EveryStartIsTheMinuteTheMonthTableShows) {
  const Place places[] = {
      {{QStringLiteral("Paris, France"), -1.0f, 48.87f, -2.33f}, 1},
      {{QStringLiteral("Grand Rapids; \"MI\""), 5.0f, 42.97f, 85.6f}, 0},
      {{QStringLiteral("Tromso"), -1.0f, 69.65f, -18.96f}, 2},
      {{QStringLiteral("Delhi"), -5.5f, 28.61f, -77.21f}, 0},
  };
  for (const Place& p : places) {
    const QDate from(2026, 3, 1), to(2026, 4, 30);
    const astro::AstroState base = Base(p, from);
    const std::vector<AlmanacEvent> events = CollectEvents(base, 2, from, to, {true, true, true, false});
    const std::vector<ReadEvent> read = ReadBack(CalendarFile(events, p.location, kStamp).bytes);
    ASSERT_EQ(read.size(), events.size()) << p.location.SiteName.toStdString();
    ASSERT_GT(read.size(), 61u * 5u);

    std::map<int, month::MonthTable> tables;
    for (int month : {3, 4})
      tables[month] = month::ComputeMonthTable(Base(p, QDate(2026, month, 1)), {1, 2, true, false, false});
    for (std::size_t i = 0; i < read.size(); ++i) {
      const ReadEvent& r = read[i];
      EXPECT_TRUE(r.utc) << r.uid.toStdString();
      const QDate day = events[i].localDate;
      const QString shown = tables[day.month()].rows[static_cast<std::size_t>(day.day() - 1)]
                                [static_cast<std::size_t>(ColumnOf(r.summary))];
      const QDateTime local = r.start.addSecs(static_cast<qint64>(-base.ZoneHours * 3600.0f));
      EXPECT_EQ(local.toString(QStringLiteral("hh:mm")), shown) << r.uid.toStdString();
      EXPECT_EQ(local.date(), day) << r.uid.toStdString();
      EXPECT_EQ(r.location, p.location.SiteName) << "escaped and unescaped by libical";
    }
  }
}

TEST(CalendarFile, GeoCountsLongitudeEastPositive) {
  const struct {
    settings::SiteLocation place;
    double geoLongitude;
  } cases[] = {
      {{QStringLiteral("Paris"), -1.0f, 48.87f, -2.33f}, 2.33},
      {{QStringLiteral("Grand Rapids"), 5.0f, 42.97f, 85.6f}, -85.6},
      {{QStringLiteral("Sydney"), -10.0f, -33.87f, -151.21f}, 151.21},
  };
  for (const auto& c : cases) {
    const astro::AstroState base = Base({c.place, 0}, QDate(2026, 5, 1));
    const auto read = ReadBack(CalendarFile(CollectEvents(base, 2, QDate(2026, 5, 1), QDate(2026, 5, 1), {}), c.place, kStamp).bytes);
    ASSERT_FALSE(read.empty());
    EXPECT_DOUBLE_EQ(read.front().geoLatitude, static_cast<double>(QString::number(c.place.SiteLatitude).toDouble()));
    EXPECT_DOUBLE_EQ(read.front().geoLongitude, c.geoLongitude) << c.place.SiteName.toStdString();
    EXPECT_TRUE(read.front().transparent);
  }
}

TEST(CalendarFile, UidsAreStableAndUniqueAndFollowThePlace) {
  const settings::SiteLocation paris{QStringLiteral("Paris, France"), -1.0f, 48.87f, -2.33f};
  const settings::SiteLocation lyon{QStringLiteral("Lyon, France"), -1.0f, 45.76f, -4.84f};
  const QDate from(2026, 1, 1), to(2026, 12, 31);
  const auto uids = [&](const settings::SiteLocation& place, const QDateTime& stamp) {
    QStringList list;
    for (const ReadEvent& r : ReadBack(CalendarFile(CollectEvents(Base({place, 0}, from), 0, from, to, {}), place, stamp).bytes))
      list << r.uid;
    return list;
  };
  const QStringList first = uids(paris, kStamp);
  EXPECT_EQ(first, uids(paris, kStamp.addDays(40))) << "another run, another day";
  EXPECT_EQ(QSet<QString>(first.begin(), first.end()).size(), first.size()) << "no two events share a UID";
  EXPECT_TRUE(first.contains(QRegularExpression("^20260321T\\d{4}Z-sunrise-[0-9a-f]{16}@vesperon$")));
  EXPECT_TRUE(first.contains(QRegularExpression("^2026\\d{4}T\\d{4}Z-full-moon-[0-9a-f]{16}@vesperon$")));
  EXPECT_TRUE(first.contains(QRegularExpression("^20260321T\\d{4}Z-astronomical-twilight-begin-[0-9a-f]{16}@vesperon$")));
  const QStringList other = uids(lyon, kStamp);
  for (const QString& uid : other) EXPECT_FALSE(first.contains(uid)) << uid.toStdString();
}

// The same span at one place in standard and in daylight time: the events
// both hold (the same kind at the same instant) carry the same UID, whatever
// local date the clock gives them. A year at a polar place, where sunrise
// runs round the clock, still gives every event a UID of its own.
TEST(CalendarFile, UidsDependOnTheEventNotOnTheTimeType) {
  const settings::SiteLocation paris{QStringLiteral("Paris, France"), -1.0f, 48.87f, -2.33f};
  const settings::SiteLocation tromso{QStringLiteral("Tromso"), -1.0f, 69.65f, -18.96f};
  const QDate from(2026, 1, 1), to(2026, 12, 31);
  const auto read = [&](const settings::SiteLocation& place, int timeType) {
    std::map<QString, QString> uids; // kind and UTC start to UID
    for (const ReadEvent& r : ReadBack(CalendarFile(CollectEvents(Base({place, timeType}, from), 2, from, to, {}),
                                                    place, kStamp).bytes))
      uids[r.summary + QLatin1Char(' ') + r.utcText] = r.uid;
    return uids;
  };
  for (const settings::SiteLocation& place : {paris, tromso}) {
    const auto standard = read(place, 0), daylight = read(place, 1);
    ASSERT_GT(standard.size(), 1500u);
    int shared = 0;
    for (const auto& [event, uid] : standard) {
      const auto other = daylight.find(event);
      if (other == daylight.end()) continue;
      ++shared;
      EXPECT_EQ(other->second, uid) << place.SiteName.toStdString() << " " << event.toStdString();
    }
    EXPECT_GT(shared, 1500) << place.SiteName.toStdString();
    QSet<QString> unique;
    for (const auto& [event, uid] : standard) unique.insert(uid);
    EXPECT_EQ(unique.size(), static_cast<qsizetype>(standard.size())) << place.SiteName.toStdString();
  }
}

// An eclipse's entry says whether the place sees it, and its description
// names the clock of every time (UTC, as the entry's), gives the greatest
// eclipse and dates a contact on another date: the total lunar eclipse of 20
// December 2029 is greatest at 22:42 UTC and ends after midnight.
TEST(CalendarFile, AnEclipsesEntrySaysWhatIsSeenAndNamesTheClockOfEveryTime) {
  const settings::SiteLocation london{QStringLiteral("London"), 0.0f, 51.5f, 0.12f};
  const settings::SiteLocation newYork{QStringLiteral("New York"), 5.0f, 40.71f, 74.01f};
  const struct {
    settings::SiteLocation place;
    QDate day;
    const char* summary;
    const char* says; // in the description
  } cases[] = {
      {london, QDate(2026, 3, 3), "Total lunar eclipse, not visible here", "greatest eclipse 11:3"},
      {newYork, QDate(2029, 12, 20), "Total lunar eclipse, partly visible here", "P4 2029-12-21 0"},
      {newYork, QDate(2029, 12, 20), "Total lunar eclipse, partly visible here", "greatest eclipse 22:4"},
  };
  EventChoice eclipses{false, false, false, false, false, true, false};
  for (const auto& c : cases) {
    const auto read = ReadBack(CalendarFile(CollectEvents(Base({c.place, 0}, c.day), 2, c.day, c.day, eclipses),
                                            c.place, kStamp).bytes);
    ASSERT_EQ(read.size(), 1u) << c.summary;
    EXPECT_EQ(read[0].summary, c.summary);
    EXPECT_TRUE(read[0].description.contains(QLatin1String(c.says))) << read[0].description.toStdString();
    static const QRegularExpression time(QStringLiteral("\\d\\d:\\d\\d:\\d\\d(?! UTC)"));
    EXPECT_FALSE(read[0].description.contains(time)) << read[0].description.toStdString();
  }
}

// A day's events found within the local days of two clocks may come out a
// minute apart (a moonrise at Paris in 2026); the UID stays the same. Events
// are paired by the kind their UID names and a start within two minutes.
TEST(CalendarFile, AnEventAMinuteApartOnAnotherClockKeepsItsUid) {
  const settings::SiteLocation paris{QStringLiteral("Paris, France"), -1.0f, 48.87f, -2.33f};
  const QDate from(2026, 1, 1), to(2026, 12, 31);
  static const QRegularExpression kindOf(QStringLiteral("Z-(.+)-[0-9a-f]{16}@vesperon$"));
  const auto read = [&](int timeType) {
    std::multimap<QString, ReadEvent> byKind;
    for (const ReadEvent& r : ReadBack(CalendarFile(CollectEvents(Base({paris, timeType}, from), 2, from, to, {}),
                                                    paris, kStamp).bytes))
      byKind.emplace(kindOf.match(r.uid).captured(1), r);
    return byKind;
  };
  const auto standard = read(0);
  ASSERT_GT(standard.size(), 2500u);
  for (const int timeType : {1, 2}) {
    int paired = 0;
    for (const auto& [kind, other] : read(timeType)) {
      const auto [first, last] = standard.equal_range(kind);
      for (auto it = first; it != last; ++it) {
        if (std::abs(it->second.start.secsTo(other.start)) > 120) continue;
        ++paired;
        EXPECT_EQ(it->second.uid, other.uid) << timeType << " " << other.summary.toStdString() << " "
                                             << other.utcText.toStdString() << " / " << it->second.utcText.toStdString();
      }
    }
    EXPECT_GT(paired, 2500) << timeType;
  }
}

// The first and last dates the program accepts, in zones on both sides of
// Greenwich: a file whose events libical can hold is read back by libical
// with every start where it belongs; a span reaching before the year 1 (1
// January 1 far East begins on 31 December of the year 0 in Universal Time,
// which calendar programs refuse) or past the year 3000 in Universal Time is
// refused as a whole, with the date named.
TEST(CalendarFile, DatesAtTheEdgesOfTheRangeAreWrittenOrRefused) {
  const settings::SiteLocation auckland{QStringLiteral("Auckland"), -12.0f, -36.85f, -174.76f};
  const settings::SiteLocation honolulu{QStringLiteral("Honolulu"), 10.0f, 21.31f, 157.86f};
  const struct {
    const char* note;
    settings::SiteLocation place;
    QDate from, to;
    const char* firstUtcDate; // of the file; empty when it is refused
    const char* refusedUtcDate;
  } cases[] = {
      {"the first day, far East", auckland, QDate(1, 1, 1), QDate(1, 1, 31), "", "0000-12-31"},
      {"the first day, far West", honolulu, QDate(1, 1, 1), QDate(1, 1, 31), "0001-01-01", ""},
      {"the year 3000's last day, far East", auckland, QDate(3000, 12, 1), QDate(3000, 12, 31), "3000-11-30", ""},
      {"the year 3000's last day, far West", honolulu, QDate(3000, 12, 1), QDate(3000, 12, 31), "", "3001-01-01"},
      {"the last day the program accepts", auckland, QDate(9999, 12, 31), QDate(9999, 12, 31), "", "9999-12-31"},
  };
  for (const auto& c : cases) {
    const std::vector<AlmanacEvent> events = CollectEvents(Base({c.place, 0}, c.from), 2, c.from, c.to, {});
    ASSERT_GT(events.size(), 3u) << c.note;
    const CalendarFileText file = CalendarFile(events, c.place, kStamp);
    if (*c.refusedUtcDate) {
      EXPECT_TRUE(file.bytes.isEmpty()) << c.note;
      EXPECT_TRUE(file.refusal.contains(QLatin1String(c.refusedUtcDate))) << c.note << ": " << file.refusal.toStdString();
      EXPECT_TRUE(file.refusal.contains(QLatin1String("3000"))) << file.refusal.toStdString();
      continue;
    }
    EXPECT_TRUE(file.refusal.isEmpty()) << c.note << ": " << file.refusal.toStdString();
    const std::vector<ReadEvent> read = ReadBack(file.bytes);
    ASSERT_EQ(read.size(), events.size()) << c.note;
    EXPECT_TRUE(read.front().utcText.startsWith(QLatin1String(c.firstUtcDate))) << c.note << ": " << read.front().utcText.toStdString();
    for (std::size_t i = 0; i < read.size(); ++i) {
      EXPECT_TRUE(read[i].valid && read[i].utc) << c.note << " " << read[i].uid.toStdString();
      // Qt numbers the year before 1 as -1.
      const QDateTime start = events[i].start;
      const int year = start.date().year() < 0 ? start.date().year() + 1 : start.date().year();
      EXPECT_EQ(read[i].utcText, QString::asprintf("%04d-", year) + start.toString(QStringLiteral("MM-dd hh:mm")))
          << c.note << " " << events[i].kind.toStdString();
      EXPECT_TRUE(read[i].uid.startsWith(read[i].utcText.left(10).remove(QLatin1Char('-')))) << read[i].uid.toStdString();
    }
  }
}

TEST(CalendarFile, SummariesReadWellAndPhasesFallInTheRange) {
  const settings::SiteLocation paris{QStringLiteral("Paris, France"), -1.0f, 48.87f, -2.33f};
  const QDate from(2026, 6, 1), to(2026, 6, 30);
  const auto events = CollectEvents(Base({paris, 0}, from), 2, from, to, {false, false, true, true});
  const auto read = ReadBack(CalendarFile(events, paris, kStamp).bytes);
  QStringList phases;
  for (const ReadEvent& r : read) {
    if (r.summary.startsWith("Moonrise") || r.summary.startsWith("Moonset")) {
      EXPECT_TRUE(r.summary.contains(QRegularExpression("^Moon(rise|set) \\d{1,3}%$"))) << r.summary.toStdString();
      EXPECT_TRUE(r.description.contains(QRegularExpression("^Azimuth \\d{1,3}°$"))) << r.description.toStdString();
    } else if (!r.summary.startsWith("Moon transit")) {
      phases << r.summary;
      EXPECT_GE(r.start.date(), from.addDays(-1));
      EXPECT_LE(r.start.date(), to);
    }
  }
  EXPECT_EQ(phases, QStringList({"Last Quarter", "New Moon", "First Quarter", "Full Moon"}));
}

TEST(CalendarFile, ChoosesTheEventGroupsByName) {
  EXPECT_EQ(EventChoiceNamed("sun"), (EventChoice{true, false, false, false}));
  EXPECT_EQ(EventChoiceNamed("phases, Moon"), (EventChoice{false, false, true, true}));
  EXPECT_EQ(EventChoiceNamed("sun,twilight,moon,phases"), EventChoice{});
  EXPECT_FALSE(EventChoiceNamed("sun,stars"));
  EXPECT_FALSE(EventChoiceNamed(""));
}

} // namespace
} // namespace calendar_file
