// SPDX-License-Identifier: GPL-3.0-or-later
// Every event of thousands of random days and places between 60 degrees South
// and 60 degrees North, frozen in tests/data/frozen_events.csv as the search
// found them before it learnt to check its crossings. At these latitudes the
// search's own answer stands wherever it is a true crossing, so a field may
// differ from the frozen one only where the frozen answer fails that check:
// a rise or set that is no crossing of its kind, or a marker where the day
// has a crossing; then the transit and the azimuths may follow.
//
// Remake the table (only for a deliberate change of the method) with
//   VESPERON_FREEZE_EVENTS=tests/data/frozen_events.csv astro_tests --gtest_filter='FrozenEvents.*'

#include "astro/crossings.h"
#include "astro/date_time.h"
#include "astro/day_events.h"
#include "astro/day_positions.h"
#include "astro/rise_transit_set.h"
#include "astro/time_scales.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <vector>

namespace astro {
namespace {

constexpr int kFrozenDays = 3000;
constexpr double kLatitudeLimit = 60.0; // degrees, both ways

struct Place {
  float latitude, longitude, zone;
  double date;
};

// The fields of one row after its place: the Sun, the three twilights, the Moon.
constexpr int kFieldCount = 16;
using Fields = std::array<double, kFieldCount>;

Fields ComputeFields(const Place& p) {
  AstroState state;
  state.SiteLatitude = p.latitude;
  state.SiteLongitude = p.longitude;
  state.ZoneHours = p.zone;
  state.CalcDate = p.date;
  state.WantTransit = true;
  state.WantAzimuth = true;
  PrepareDay(state);
  const ThreeDayWindow window = ComputeThreeDayWindow(state);
  Fields f{};
  int i = 0;
  for (int twilight = 0; twilight <= 2; ++twilight) {
    const DayEvents e = ComputeDayEvents(state, window, twilight);
    if (twilight == 0) {
      for (const double slot : e.sun) f[i++] = slot;
      for (const double slot : e.moon) f[i++] = slot;
    }
    f[i++] = e.twilight[kRise];
    f[i++] = e.twilight[kSet];
  }
  return f;
}

std::vector<Place> RandomPlaces() {
  std::mt19937 random(15);
  std::uniform_real_distribution<double> latitude(-kLatitudeLimit, kLatitudeLimit), longitude(-180.0, 180.0);
  std::uniform_int_distribution<int> day(0, 73413); // 1900-01-01 to 2100-12-31
  std::uniform_int_distribution<int> halfHour(0, 4);
  std::vector<Place> places;
  for (int k = 0; k < kFrozenDays; ++k) {
    const float lon = static_cast<float>(std::round(longitude(random) * 100.0) / 100.0);
    // The zone of the meridian, now and then half an hour off it.
    const float zone = std::round(lon / 15.0f) + (halfHour(random) == 0 ? 0.5f : 0.0f);
    places.push_back({static_cast<float>(std::round(latitude(random) * 100.0) / 100.0), lon, zone,
                      DateTimeFromCivil({1900, 1, 1}) + day(random)});
  }
  return places;
}

void WriteTable(const std::string& path) {
  std::ofstream out(path);
  out << "latitude,longitude,zone,date,sun_transit,sunrise,sunset,sunrise_azimuth,sunset_azimuth,"
         "moon_transit,moonrise,moonset,moonrise_azimuth,moonset_azimuth,"
         "astronomical_begin,astronomical_end,nautical_begin,nautical_end,civil_begin,civil_end\n";
  char cell[32];
  for (const Place& p : RandomPlaces()) {
    out << p.latitude << ',' << p.longitude << ',' << p.zone << ',' << static_cast<long>(p.date);
    for (const double v : ComputeFields(p)) {
      std::snprintf(cell, sizeof cell, ",%.8f", v);
      out << cell;
    }
    out << '\n';
  }
}

struct FrozenRow {
  Place place;
  Fields fields;
};

std::vector<FrozenRow> ReadTable() {
  std::ifstream file(std::string(VESPERON_REFERENCE_DIR) + "/frozen_events.csv");
  std::vector<FrozenRow> rows;
  std::string line;
  std::getline(file, line); // the header
  while (std::getline(file, line)) {
    std::vector<double> cells;
    std::stringstream cellStream(line);
    for (std::string cell; std::getline(cellStream, cell, ',');) cells.push_back(std::stod(cell));
    if (cells.size() != 4 + kFieldCount) return {};
    FrozenRow row{{static_cast<float>(cells[0]), static_cast<float>(cells[1]), static_cast<float>(cells[2]), cells[3]},
                  {}};
    std::copy(cells.begin() + 4, cells.end(), row.fields.begin());
    rows.push_back(row);
  }
  return rows;
}

// A rise or set field: its partner of the same body and altitude, whether it
// is the rise, and its transit field and azimuth field (or -1 for none).
struct EventField {
  int field, partner;
  bool rising;
  int transit, azimuth;
};
constexpr EventField kEventFields[] = {
    {1, 2, true, 0, 3},    {2, 1, false, 0, 4},   {6, 7, true, 5, 8},     {7, 6, false, 5, 9},
    {10, 11, true, -1, -1}, {11, 10, false, -1, -1}, {12, 13, true, -1, -1}, {13, 12, false, -1, -1},
    {14, 15, true, -1, -1}, {15, 14, false, -1, -1},
};

bool Same(double a, double b) { return std::abs(a - b) <= 1e-7; } // a hundredth of a second, or an azimuth

// Why the field may have changed, or an empty text when it may not.
std::string ChangeAllowed(const EventField& e, const Fields& was, const Fields& now, const DayAltitude& altitude,
                          double h0) {
  const double old = was[e.field], fresh = now[e.field];
  if (!IsMissingEvent(old)) {
    if (!IsCrossing(altitude, h0, old, e.rising)) return "the frozen time is no crossing of its kind";
    if (!IsMissingEvent(fresh) && fresh < old && IsCrossing(altitude, h0, fresh, e.rising))
      return "an earlier crossing of the same kind";
    return {};
  }
  if (!IsMissingEvent(fresh))
    return IsCrossing(altitude, h0, fresh, e.rising) ? "the frozen marker hid a crossing" : "";
  // One marker for another: the partner's change tells whether the body crosses.
  return Same(was[e.partner], now[e.partner]) ? "" : "its partner changed";
}

TEST(FrozenEvents, NothingChangesBelowSixtyDegreesWhereTheSearchWasRight) {
  if (const char* path = std::getenv("VESPERON_FREEZE_EVENTS")) {
    WriteTable(path);
    GTEST_SKIP() << "wrote " << path;
  }
  const std::vector<FrozenRow> rows = ReadTable();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kFrozenDays)) << "frozen_events.csv is missing or damaged";
  int changedRows = 0;
  for (const FrozenRow& row : rows) {
    const Fields now = ComputeFields(row.place);
    std::array<bool, kFieldCount> explained{};
    AstroState state;
    state.SiteLatitude = row.place.latitude;
    state.SiteLongitude = row.place.longitude;
    state.ZoneHours = row.place.zone;
    state.CalcDate = row.place.date;
    PrepareDay(state);
    const ThreeDayWindow window = ComputeThreeDayWindow(state);
    const DayAltitude sun(state, window.SunPositions()), moon(state, window.MoonPositions());
    for (const EventField& e : kEventFields) {
      if (Same(row.fields[e.field], now[e.field])) continue;
      const bool isMoon = e.field == 6 || e.field == 7;
      const double h0 = isMoon ? MoonRiseAltitude(window.MoonParallax())
                        : e.field <= 2 ? kSunriseAltitude
                                       : TwilightAltitude((e.field - 10) / 2);
      const std::string why = ChangeAllowed(e, row.fields, now, isMoon ? moon : sun, h0);
      EXPECT_FALSE(why.empty()) << "field " << e.field << " changed where the search was right: lat "
                                << row.place.latitude << " lon " << row.place.longitude << " zone "
                                << row.place.zone << " date " << row.place.date << ": was " << row.fields[e.field]
                                << ", now " << now[e.field];
      explained[e.field] = true;
      if (e.azimuth >= 0) explained[e.azimuth] = true;
      // The transit goes with a verdict of never rising or setting.
      if (e.transit >= 0 && (row.fields[e.field] == NeverRisesOrSets || now[e.field] == NeverRisesOrSets))
        explained[e.transit] = true;
    }
    bool changed = false;
    for (int i = 0; i < kFieldCount; ++i) {
      if (Same(row.fields[i], now[i])) continue;
      changed = true;
      EXPECT_TRUE(explained[i]) << "field " << i << " changed alone: lat " << row.place.latitude << " date "
                                << row.place.date << ": was " << row.fields[i] << ", now " << now[i];
    }
    changedRows += changed;
  }
  // A handful of twilights near their limit: far fewer than one day in a hundred.
  EXPECT_LE(changedRows, kFrozenDays / 100);
  std::printf("frozen rows changed where the search was wrong: %d of %d\n", changedRows, kFrozenDays);
}

} // namespace
} // namespace astro
