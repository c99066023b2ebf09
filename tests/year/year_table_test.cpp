// SPDX-License-Identifier: GPL-3.0-or-later
#include "year/year_table.h"

#include "astro/moon.h"
#include "astro/numeric.h"
#include "astro/rise_transit_set.h"
#include "astro/sun.h"
#include "astro/time_scales.h"
#include "month/month_table.h"
#include "scoped_locale.h"
#include "test_site.h"
#include "year/year_data.h"
#include "year/year_text.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTranslator>
#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <memory>

namespace year {
namespace {

struct Place {
  const char* note;
  float latitude, longitude, zone; // North, West, West positive
  int timeType, tFormat;
  YearEvent event;
  int year;
};

// Month table columns of each event: (rise or beginning, set or end), and the
// Twilight setting that gives the event's twilight kind.
struct Columns {
  int rise, set, twilight;
};

Columns ColumnsOf(YearEvent event) {
  switch (event) {
  case YearEvent::Sun: return {2, 4, 2};
  case YearEvent::Moon: return {6, 8, 2};
  case YearEvent::Civil: return {1, 5, 2};
  case YearEvent::Nautical: return {1, 5, 1};
  case YearEvent::Astronomical: break;
  }
  return {1, 5, 0};
}

settings::SiteLocation Location(const Place& p) {
  return {QString::fromLatin1(p.note), p.zone, p.latitude, p.longitude};
}

astro::AstroState Base(const Place& p, QDate date) {
  astro::AstroState s = testing_support::DayViewAt(date, p.latitude, p.longitude, p.zone - (p.timeType == 1 ? 1.0f : 0.0f));
  if (p.timeType == 2) s.ZoneHours = 0.0f;
  s.TimeType = p.timeType;
  return s;
}

const Place kPlaces[] = {
    {"Grand Rapids, sun, 12-hour standard time", 42.97f, 85.6f, 5.0f, 0, 0, YearEvent::Sun, 2026},
    {"Tromso, civil twilight, daylight time", 69.65f, -18.96f, -1.0f, 1, 1, YearEvent::Civil, 2026},
    {"McMurdo, moon, Universal Time, leap year", -77.85f, -166.67f, -12.0f, 2, 1, YearEvent::Moon, 2024},
    {"Quito, nautical twilight", -0.22f, 78.5f, 5.0f, 0, 1, YearEvent::Nautical, 2025},
    {"Helsinki, astronomical twilight: none all summer", 60.17f, -24.94f, -2.0f, 0, 0, YearEvent::Astronomical, 2026},
    {"Auckland, moon, 12-hour", -36.85f, -174.76f, -12.0f, 0, 0, YearEvent::Moon, 2027},
};

TEST(YearTable, EqualsTheMonthTablesOfItsTwelveMonths) {
  for (const Place& p : kPlaces) {
    const YearTable year = ComputeYearTable(Base(p, QDate(p.year, 1, 1)), p.year, p.event);
    const QStringList csv = YearCsvLines(year, {Location(p), p.tFormat, p.timeType});
    ASSERT_EQ(csv.size(), QDate(p.year, 1, 1).daysInYear()) << p.note;
    const Columns c = ColumnsOf(p.event);
    for (int month = 1; month <= 12; ++month) {
      const month::MonthTable table =
          month::ComputeMonthTable(Base(p, QDate(p.year, month, 1)), {p.tFormat, c.twilight, true, false, false});
      for (std::size_t i = 0; i < table.rows.size(); ++i) {
        const QDate date(p.year, month, static_cast<int>(i) + 1);
        const QStringList fields = csv[date.dayOfYear() - 1].split(QLatin1Char(','));
        ASSERT_EQ(fields.size(), 3) << p.note;
        const auto cell = [&](int column) {
          const QString text = table.rows[i][static_cast<std::size_t>(column)];
          return text == QLatin1String("*****") ? QString() : text;
        };
        EXPECT_EQ(fields[0], date.toString(Qt::ISODate)) << p.note;
        EXPECT_EQ(fields[1], cell(c.rise)) << p.note << " " << date.toString(Qt::ISODate).toStdString();
        EXPECT_EQ(fields[2], cell(c.set)) << p.note << " " << date.toString(Qt::ISODate).toStdString();
      }
    }
  }
}

struct ReasonCase {
  const char* note;
  Place place;
  QDate date;
  int which; // 0 rise, 1 set
  month::MissingReason expected;
};

TEST(YearTable, SaysWhyAnEventIsMissing) {
  const Place tromso{"Tromso", 69.65f, -18.96f, -1.0f, 0, 1, YearEvent::Sun, 2026};
  const Place helsinki{"Helsinki", 60.17f, -24.94f, -2.0f, 0, 1, YearEvent::Astronomical, 2026};
  const Place mcmurdo{"McMurdo", -77.85f, -166.67f, -12.0f, 0, 1, YearEvent::Sun, 2026};
  const Place pole{"North Pole", 90.0f, 0.0f, 0.0f, 0, 1, YearEvent::Sun, 2026};
  const ReasonCase cases[] = {
      {"midnight sun", tromso, QDate(2026, 6, 21), 0, month::MissingReason::StaysAbove},
      {"polar night", tromso, QDate(2026, 12, 21), 1, month::MissingReason::StaysBelow},
      {"southern polar day in December", mcmurdo, QDate(2026, 12, 21), 1, month::MissingReason::StaysAbove},
      {"white nights: the Sun never 18 degrees down", helsinki, QDate(2026, 6, 21), 0, month::MissingReason::StaysAbove},
      {"the pole's summer, where the search cannot divide", pole, QDate(2026, 6, 21), 0, month::MissingReason::StaysAbove},
      {"the pole's winter", pole, QDate(2026, 12, 21), 1, month::MissingReason::StaysBelow},
      {"an ordinary winter day has its twilight", helsinki, QDate(2026, 1, 10), 0, month::MissingReason::None},
  };
  for (const ReasonCase& c : cases) {
    const YearTable year = ComputeYearTable(Base(c.place, QDate(2026, 1, 1)), 2026, c.place.event);
    const YearTime& t = year.days[static_cast<std::size_t>(c.date.dayOfYear() - 1)].times[static_cast<std::size_t>(c.which)];
    EXPECT_EQ(t.missing, c.expected) << c.note;
  }
}

// The body's altitude (degrees) at time t of the local day of the prepared
// state, from its own position computed at that instant rather than from the
// day's three interpolated positions.
double SampledAltitude(const astro::AstroState& prepared, YearEvent event, double t) {
  astro::AstroState s = prepared;
  const double m = t + s.ZoneHours / 24.0; // days from 0h UT
  s.CenturiesT = s.CenturiesT0 + (m + s.DeltaTDays) / 36525.0;
  const astro::EclipticPosition e = event == YearEvent::Moon ? astro::MoonPosition(s) : astro::SunPosition(s);
  const astro::EquatorialPosition q = astro::EclipticToEquatorial(s, e.longitude, e.latitude);
  const double hourAngle = astro::Radians(s.SiderealTime0 + 360.985647 * m - s.SiteLongitude - q.rightAscension);
  const double phi = astro::Radians(s.SiteLatitude), dec = astro::Radians(q.declination);
  return astro::ArcSinDeg(std::sin(phi) * std::sin(dec) + std::cos(phi) * std::cos(dec) * std::cos(hourAngle));
}

// Every "above all day" or "below all day" mark of a year at polar places,
// for each body and twilight, against the altitude sampled every ten minutes
// of the local day: no sample may lie on the other side by more than the
// arc minutes by which interpolated and sampled positions can differ.
TEST(YearTable, AboveAndBelowAllDayMarksAgreeWithTheSampledAltitudes) {
  constexpr double kAllowance = 3.0 / 60.0; // degrees
  constexpr int kSamples = 144;
  const Place places[] = {
      {"Tromso", 69.65f, -18.96f, -1.0f, 0, 1, YearEvent::Sun, 2026},
      {"Longyearbyen", 78.22f, -15.65f, -1.0f, 0, 1, YearEvent::Sun, 2027},
      {"Utqiagvik", 71.29f, 156.79f, 9.0f, 0, 1, YearEvent::Sun, 2027},
      {"McMurdo", -77.85f, -166.67f, -12.0f, 0, 1, YearEvent::Sun, 2027},
  };
  const YearEvent events[] = {YearEvent::Sun, YearEvent::Moon, YearEvent::Civil, YearEvent::Nautical,
                              YearEvent::Astronomical};
  for (const Place& p : places) {
    for (const YearEvent event : events) {
      const YearTable year = ComputeYearTable(Base(p, QDate(p.year, 1, 1)), p.year, event);
      int marks = 0;
      for (const YearDay& day : year.days) {
        astro::AstroState prepared = Base(p, day.date);
        astro::PrepareDay(prepared);
        // The Moon's own altitude of the day: its parallax changes it.
        double h0 = year.altitude;
        if (event == YearEvent::Moon) {
          prepared.CenturiesT = prepared.CenturiesT0;
          h0 = astro::MoonRiseAltitude(astro::MoonPosition(prepared).parallax);
        }
        for (const YearTime& t : day.times) {
          if (t.missing != month::MissingReason::StaysAbove && t.missing != month::MissingReason::StaysBelow) continue;
          ++marks;
          const double side = t.missing == month::MissingReason::StaysAbove ? 1.0 : -1.0;
          double worst = 180.0; // degrees on the marked side of h0, at the worst sample
          for (int k = 0; k <= kSamples; ++k)
            worst = std::min(worst, side * (SampledAltitude(prepared, event, double(k) / kSamples) - h0));
          EXPECT_GT(worst, -kAllowance) << p.note << " " << YearEventName(event).toStdString() << " "
                                        << day.date.toString(Qt::ISODate).toStdString() << " marked "
                                        << (side > 0 ? "above" : "below") << " all day, " << -worst
                                        << " degrees on the other side";
        }
      }
      EXPECT_GT(marks, 0) << p.note << " " << YearEventName(event).toStdString();
    }
  }
}

TEST(YearTable, MarksAMoonriseThatFallsOnTheNextDay) {
  const Place greenwich{"Greenwich", 51.48f, 0.0f, 0.0f, 0, 1, YearEvent::Moon, 2026};
  const YearTable year = ComputeYearTable(Base(greenwich, QDate(2026, 1, 1)), 2026, YearEvent::Moon);
  int skipped = 0;
  for (const YearDay& day : year.days) skipped += day.times[0].missing == month::MissingReason::NoEventToday ? 1 : 0;
  EXPECT_GE(skipped, 10) << "about one day a lunation has no moonrise";
  EXPECT_LE(skipped, 14);
}

TEST(YearText, LaysOutTwelveMonthPairsAndThirtyOneDays) {
  const ScopedLocale english(QLocale(QLocale::English, QLocale::UnitedStates));
  const Place tromso{"Tromso, Norway", 69.65f, -18.96f, -1.0f, 0, 1, YearEvent::Sun, 2026};
  const YearTable year = ComputeYearTable(Base(tromso, QDate(2026, 1, 1)), 2026, YearEvent::Sun);
  const QStringList lines = YearTextLines(year, {Location(tromso), 1, 0});
  ASSERT_EQ(lines.size(), 4 + 1 + 3 + 31 + 4);
  EXPECT_EQ(lines[0].trimmed(), "Sunrise and Sunset for 2026");
  EXPECT_EQ(lines[2].trimmed(), QString::fromUtf8("69.65°N  18.96°E  1hrE"));
  EXPECT_TRUE(lines[5].startsWith("     Jan        Feb")) << lines[5].toStdString();
  EXPECT_TRUE(lines[6].startsWith("Day  Rise  Set  Rise  Set")) << lines[6].toStdString();
  const QString day21 = lines[8 + 20];
  EXPECT_TRUE(day21.startsWith("21 ")) << day21.toStdString();
  // June is the sixth pair: 3 + 5 * 11 columns before it.
  EXPECT_EQ(day21.mid(3 + 5 * 11, 11), "  **** ****") << "midnight sun";
  EXPECT_EQ(day21.mid(3 + 11 * 11, 11), "  ---- ----") << "polar night";
  EXPECT_EQ(lines[8 + 29].mid(3 + 1 * 11, 11), QString(11, QLatin1Char(' '))) << "no 30 February";
  EXPECT_EQ(lines[8 + 0].mid(3, 11), "  ---- ----") << "1 January in the polar night";
  EXPECT_TRUE(lines.last().startsWith("....  no such event"));
}

// A few German words of the year table, as a translation gives them.
class GermanHeadings : public QTranslator {
public:
  bool isEmpty() const override { return false; }
  QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
    static const std::map<std::string, QString> kWords = {
        {"Day", QStringLiteral("Tag")},
        {"Rise", QStringLiteral("Auf.")},
        {"Set", QStringLiteral("Unt.")},
        {"Sunrise and Sunset for %1", QStringLiteral("Sonnenaufgang und Sonnenuntergang %1")}};
    const auto found = kWords.find(source);
    return found == kWords.end() ? QString() : found->second;
  }
};

TEST(YearText, TranslatedHeadingsKeepTheirColumnsAndTheJsonItsEnglishTitle) {
  int argc = 1;
  char name[] = "year_tests";
  char* argv[] = {name, nullptr};
  const std::unique_ptr<QCoreApplication> app(QCoreApplication::instance() ? nullptr : new QCoreApplication(argc, argv));
  const Place tromso{"Tromso, Norway", 69.65f, -18.96f, -1.0f, 0, 1, YearEvent::Sun, 2026};
  const YearTable year = ComputeYearTable(Base(tromso, QDate(2026, 1, 1)), 2026, YearEvent::Sun);
  GermanHeadings german;
  ASSERT_TRUE(QCoreApplication::installTranslator(&german));
  const QStringList lines = YearTextLines(year, {Location(tromso), 1, 0});
  const QJsonObject root = QJsonDocument::fromJson(YearJson(year, {Location(tromso), 1, 0}).toUtf8()).object();
  QCoreApplication::removeTranslator(&german);
  EXPECT_EQ(lines[0].trimmed(), "Sonnenaufgang und Sonnenuntergang 2026");
  // Each word over its four-digit column, as "Rise  Set" is.
  EXPECT_TRUE(lines[6].startsWith("Tag  Auf. Unt.  Auf. Unt.")) << lines[6].toStdString();
  EXPECT_EQ(root["title"].toString(), "Sunrise and Sunset for 2026");
}

TEST(YearData, JsonGivesTheReasonOfEachMissingTime) {
  const Place tromso{"Tromso", 69.65f, -18.96f, -1.0f, 0, 1, YearEvent::Civil, 2026};
  const YearTable year = ComputeYearTable(Base(tromso, QDate(2026, 1, 1)), 2026, YearEvent::Civil);
  const QJsonObject root = QJsonDocument::fromJson(YearJson(year, {Location(tromso), 1, 0}).toUtf8()).object();
  EXPECT_EQ(root["longitude"].toDouble(), -18.96);
  const QJsonArray days = root["days"].toArray();
  ASSERT_EQ(days.size(), 365);
  const QJsonObject midsummer = days[171].toObject();
  EXPECT_EQ(midsummer["date"].toString(), "2026-06-21");
  EXPECT_TRUE(midsummer["begin"].isNull());
  EXPECT_EQ(midsummer["beginMissing"].toString(), "above");
  const QJsonObject spring = days[80].toObject();
  EXPECT_TRUE(spring["begin"].isString());
  EXPECT_FALSE(spring.contains("beginMissing"));
}

} // namespace
} // namespace year
