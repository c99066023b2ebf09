// SPDX-License-Identifier: GPL-3.0-or-later
#include "reference_table.h"

#include "astro/date_time.h"
#include "astro/day_events.h"
#include "astro/day_positions.h"
#include "astro/time_scales.h"

#include <fstream>
#include <sstream>

namespace testing_support {

std::vector<std::vector<std::string>> ReadCsv(const std::string& name) {
  std::ifstream file(std::string(VESPERON_REFERENCE_DIR) + "/" + name);
  std::vector<std::vector<std::string>> rows;
  std::string line;
  std::getline(file, line); // the header
  while (std::getline(file, line)) {
    std::vector<std::string> cells;
    std::stringstream cellStream(line);
    for (std::string cell; std::getline(cellStream, cell, ',');) cells.push_back(cell);
    rows.push_back(cells);
  }
  return rows;
}

double DateOf(const std::string& iso) {
  return astro::DateTimeFromCivil({std::stoi(iso.substr(0, 4)), std::stoi(iso.substr(5, 2)), std::stoi(iso.substr(8, 2))});
}

std::optional<double> ReferenceMinutes(const std::string& cell) {
  if (cell == "none") return std::nullopt;
  return std::stod(cell);
}

std::optional<double> ProgramMinutes(double slot) {
  if (astro::IsMissingEvent(slot)) return std::nullopt;
  return slot * kMinutesPerDay;
}

const EventColumn kEventColumns[12] = {
    {"sunrise", "sunrise and sunset", EventColumn::kSun, false, -1},
    {"sun_transit", "sun transit", EventColumn::kSun, true, -1},
    {"sunset", "sunrise and sunset", EventColumn::kSun, false, -1},
    {"astronomical_begin", "twilight", EventColumn::kSun, false, 0},
    {"astronomical_end", "twilight", EventColumn::kSun, false, 0},
    {"nautical_begin", "twilight", EventColumn::kSun, false, 1},
    {"nautical_end", "twilight", EventColumn::kSun, false, 1},
    {"civil_begin", "twilight", EventColumn::kSun, false, 2},
    {"civil_end", "twilight", EventColumn::kSun, false, 2},
    {"moonrise", "moonrise and moonset", EventColumn::kMoon, false, -1},
    {"moon_transit", "moon transit", EventColumn::kMoon, true, -1},
    {"moonset", "moonrise and moonset", EventColumn::kMoon, false, -1},
};

astro::AstroState RowState(const std::vector<std::string>& row) {
  astro::AstroState state;
  state.SiteLatitude = std::stof(row[1]);
  state.SiteLongitude = std::stof(row[2]);
  state.ZoneHours = std::stof(row[3]);
  state.CalcDate = DateOf(row[4]);
  state.WantTransit = true;
  astro::PrepareDay(state);
  return state;
}

std::vector<std::optional<double>> ProgramEvents(const std::vector<std::string>& row) {
  astro::AstroState state = RowState(row);
  const astro::ThreeDayWindow window = astro::ComputeThreeDayWindow(state);
  // Twilight types 0, 1, 2: astronomical, nautical, civil.
  const astro::DayEvents days[] = {astro::ComputeDayEvents(state, window, 0), astro::ComputeDayEvents(state, window, 1),
                            astro::ComputeDayEvents(state, window, 2)};
  std::vector<std::optional<double>> events;
  for (int slot : {astro::kRise, astro::kTransit, astro::kSet}) events.push_back(ProgramMinutes(days[0].sun[slot]));
  for (const astro::DayEvents& day : days) {
    events.push_back(ProgramMinutes(day.twilight[astro::kRise]));
    events.push_back(ProgramMinutes(day.twilight[astro::kSet]));
  }
  for (int slot : {astro::kRise, astro::kTransit, astro::kSet}) events.push_back(ProgramMinutes(days[0].moon[slot]));
  return events;
}

} // namespace testing_support
