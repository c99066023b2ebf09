// SPDX-License-Identifier: GPL-3.0-or-later
// The sky events against independent ephemerides: tests/data/
// reference_sky_events.csv, made by tools/reference_sky_events.py from
// PyEphem's Sun and Moon, and tests/data/reference_apsides.csv, made by
// tools/reference_apsides.py from the Swiss Ephemeris's Moon (see
// tests/data/README.md). Each kind is judged as a group against the accuracy
// the program promises; the worst error of each is printed, which is where
// the README's accuracy table comes from.

#include "astro/date_time.h"
#include "reference_table.h"
#include "sky_events/event_time.h"
#include "sky_events/sky_event_list.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace sky_events {
namespace {

constexpr double kMinutesPerDay = 1440.0;

// Julian Day (UT) of 1 January 00:00 of a year.
double JanuaryFirst(int year) { return astro::DateTimeFromCivil({year, 1, 1}) + kJulianDayOfDateTimeZero; }
const double kJulianDay1900 = JanuaryFirst(1900);
const double kJulianDay2101 = JanuaryFirst(2101);
const GeoSite kGreenwich{51.48, 0.0, 0.0};

// The reference rows of one kind, keyed by column name.
using Row = std::map<std::string, std::string>;
std::vector<Row> ReferenceRows(const std::vector<std::string>& kinds) {
  static const std::vector<std::string> kColumns = {"kind", "utc", "jd_ut", "type", "umbral_magnitude",
                                                   "penumbral_magnitude", "p1", "u1", "u2", "u3", "u4", "p4",
                                                   "moon_altitude_greenwich"};
  std::vector<Row> rows;
  for (const auto& cells : testing_support::ReadCsv("reference_sky_events.csv")) {
    if (std::find(kinds.begin(), kinds.end(), cells[0]) == kinds.end()) continue;
    Row row;
    for (std::size_t i = 0; i < kColumns.size(); ++i) row[kColumns[i]] = i < cells.size() ? cells[i] : "";
    rows.push_back(row);
  }
  return rows;
}

// The largest difference seen and where, for the failure message and the README.
struct Worst {
  double value = 0.0;
  std::string where;
  void Add(double difference, const std::string& at) {
    if (std::abs(difference) > value) value = std::abs(difference), where = at;
  }
};

const char* KindName(SkyEventKind kind) {
  switch (kind) {
    case SkyEventKind::MarchEquinox: return "march-equinox";
    case SkyEventKind::JuneSolstice: return "june-solstice";
    case SkyEventKind::SeptemberEquinox: return "september-equinox";
    case SkyEventKind::DecemberSolstice: return "december-solstice";
    case SkyEventKind::LunarEclipse: return "lunar-eclipse";
    case SkyEventKind::SolarEclipse: return "solar-eclipse";
    case SkyEventKind::Perigee: return "perigee";
    case SkyEventKind::Apogee: return "apogee";
  }
  return "";
}

const char* TypeName(LunarEclipseType type) {
  switch (type) {
    case LunarEclipseType::Penumbral: return "penumbral";
    case LunarEclipseType::Partial: return "partial";
    case LunarEclipseType::Total: return "total";
  }
  return "";
}

// Pairs program events with reference rows in order; both lists must be the same events.
void ExpectSameKindsInOrder(const std::vector<SkyEvent>& program, const std::vector<Row>& reference) {
  ASSERT_EQ(program.size(), reference.size());
  for (std::size_t i = 0; i < program.size(); ++i) {
    ASSERT_EQ(KindName(program[i].kind), reference[i].at("kind")) << "at " << reference[i].at("utc");
    ASSERT_LT(std::abs(program[i].jdUt - std::stod(reference[i].at("jd_ut"))), 0.5) << reference[i].at("utc");
  }
}

TEST(SkyEventsReference, SeasonsOf1900To2100WithinOneMinute) {
  const auto reference = ReferenceRows({"march-equinox", "june-solstice", "september-equinox", "december-solstice"});
  const auto program = SkyEventsBetween(kJulianDay1900, kJulianDay2101, kGreenwich, {true, false, false});
  ExpectSameKindsInOrder(program, reference);
  Worst worst;
  for (std::size_t i = 0; i < program.size(); ++i)
    worst.Add((program[i].jdUt - std::stod(reference[i].at("jd_ut"))) * kMinutesPerDay, reference[i].at("utc"));
  std::printf("seasons: %zu, worst %.2f min at %s\n", program.size(), worst.value, worst.where.c_str());
  EXPECT_LT(worst.value, 1.0) << worst.where;
}

TEST(SkyEventsReference, LunarEclipsesOf1900To2100AllFoundWithTypeMagnitudesAndContacts) {
  const auto reference = ReferenceRows({"lunar-eclipse"});
  std::vector<SkyEvent> program = SkyEventsBetween(kJulianDay1900, kJulianDay2101, kGreenwich, {false, true, false});
  std::erase_if(program, [](const SkyEvent& e) { return e.kind == SkyEventKind::SolarEclipse; });
  ExpectSameKindsInOrder(program, reference);
  Worst greatest, contact, magnitude, altitude;
  int typeMismatches = 0;
  for (std::size_t i = 0; i < program.size(); ++i) {
    const Row& row = reference[i];
    const LunarEclipseDetails& lunar = *program[i].lunar;
    const std::string& at = row.at("utc");
    if (TypeName(lunar.type) != row.at("type")) ++typeMismatches, ADD_FAILURE() << "type at " << at;
    greatest.Add((program[i].jdUt - std::stod(row.at("jd_ut"))) * kMinutesPerDay, at);
    magnitude.Add(lunar.umbralMagnitude - std::stod(row.at("umbral_magnitude")), at);
    magnitude.Add(lunar.penumbralMagnitude - std::stod(row.at("penumbral_magnitude")), at);
    altitude.Add(lunar.greatest.moonAltitudeDeg - std::stod(row.at("moon_altitude_greenwich")), at);
    const std::pair<const char*, const std::optional<LunarMoment>*> contacts[] = {
        {"p1", &lunar.p1}, {"u1", &lunar.u1}, {"u2", &lunar.u2}, {"u3", &lunar.u3}, {"u4", &lunar.u4}, {"p4", &lunar.p4}};
    for (const auto& [name, moment] : contacts) {
      const std::string& cell = row.at(name);
      ASSERT_EQ(moment->has_value(), !cell.empty()) << name << " at " << at;
      if (!cell.empty()) contact.Add(((*moment)->jdUt - std::stod(cell)) * kMinutesPerDay, at + " " + name);
    }
  }
  std::printf("lunar eclipses: %zu, type mismatches %d, worst greatest %.2f min at %s, worst contact %.2f min at %s, "
              "worst magnitude %.4f at %s, worst Moon altitude %.3f deg at %s\n",
              program.size(), typeMismatches, greatest.value, greatest.where.c_str(), contact.value,
              contact.where.c_str(), magnitude.value, magnitude.where.c_str(), altitude.value, altitude.where.c_str());
  EXPECT_LT(greatest.value, 1.0) << greatest.where;
  // A penumbral contact of a grazing eclipse moves fastest with the shadow's size.
  EXPECT_LT(contact.value, 1.5) << contact.where;
  EXPECT_LT(magnitude.value, 0.005) << magnitude.where;
  // Up to 20 s between the two Delta T's turns the sky by up to 0.08 degree.
  EXPECT_LT(altitude.value, 0.1) << altitude.where;
}

// Perigees and apogees against the Swiss Ephemeris's Moon (JPL DE431):
// tests/data/reference_apsides.csv, every fourth year. The instants are
// compared in Terrestrial Time, so that two models of the Earth's rotation
// (up to two minutes apart by 2100) do not count as an error of the distance.
TEST(SkyEventsReference, PerigeesAndApogeesWithinTenMinutesAndTwentyKm) {
  std::vector<Row> reference;
  for (const auto& cells : testing_support::ReadCsv("reference_apsides.csv"))
    reference.push_back({{"kind", cells.at(0)}, {"utc", cells.at(1)}, {"jd_ut", cells.at(2)}, {"jd_tt", cells.at(3)},
                         {"distance_km", cells.at(4)}});
  std::vector<int> years; // the reference's, every fourth
  for (const Row& row : reference) {
    const int year = std::stoi(row.at("utc").substr(0, 4));
    if (years.empty() || years.back() != year) years.push_back(year);
  }
  std::vector<SkyEvent> program;
  for (const int year : years) {
    const auto ofYear = SkyEventsBetween(JanuaryFirst(year), JanuaryFirst(year + 1), kGreenwich, {false, false, true});
    program.insert(program.end(), ofYear.begin(), ofYear.end());
  }
  ExpectSameKindsInOrder(program, reference);
  Worst minutes, km;
  for (std::size_t i = 0; i < program.size(); ++i) {
    const std::string at = reference[i].at("kind") + " " + reference[i].at("utc");
    const double programTt = TerrestrialFromUniversal(program[i].jdUt);
    minutes.Add((programTt - std::stod(reference[i].at("jd_tt"))) * kMinutesPerDay, at);
    km.Add(program[i].apsis->distanceKm - std::stod(reference[i].at("distance_km")), at);
  }
  std::printf("apsides: %zu in %zu years, worst %.2f min at %s, worst %.1f km at %s\n", program.size(), years.size(),
              minutes.value, minutes.where.c_str(), km.value, km.where.c_str());
  EXPECT_LT(minutes.value, 10.0) << minutes.where;
  EXPECT_LT(km.value, 20.0) << km.where;
}

} // namespace
} // namespace sky_events
