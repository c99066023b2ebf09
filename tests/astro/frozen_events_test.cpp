// SPDX-License-Identifier: GPL-3.0-or-later
// Every event of thousands of random days and places between 60 degrees South
// and 60 degrees North, frozen in tests/data/frozen_events.csv as the search
// found them before it learnt to check its crossings. At these latitudes the
// search's own answer stands wherever it is a true crossing, so a field may
// differ from the frozen one only where the frozen answer fails that check.
//
// Remake the table (only for a deliberate change of the method) with
//   VESPERON_FREEZE_EVENTS=tests/data/frozen_events.csv astro_tests --gtest_filter='FrozenEvents.*'

#include "date_time.h"
#include "day_events.h"
#include "day_positions.h"
#include "time_scales.h"

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

TEST(FrozenEvents, NothingChangesBelowSixtyDegrees) {
  if (const char* path = std::getenv("VESPERON_FREEZE_EVENTS")) {
    WriteTable(path);
    GTEST_SKIP() << "wrote " << path;
  }
  const std::vector<FrozenRow> rows = ReadTable();
  ASSERT_EQ(rows.size(), static_cast<std::size_t>(kFrozenDays)) << "frozen_events.csv is missing or damaged";
  int changed = 0;
  for (const FrozenRow& row : rows) {
    const Fields now = ComputeFields(row.place);
    for (int i = 0; i < kFieldCount; ++i) {
      if (std::abs(now[i] - row.fields[i]) <= 1e-7) continue; // a hundredth of a second, or an azimuth
      ++changed;
      ADD_FAILURE() << "field " << i << " of lat " << row.place.latitude << " lon " << row.place.longitude
                    << " zone " << row.place.zone << " date " << row.place.date << ": was " << row.fields[i]
                    << ", now " << now[i];
    }
  }
  std::printf("frozen fields changed: %d\n", changed);
}

} // namespace
} // namespace astro
