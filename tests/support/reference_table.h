// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The frozen reference tables of tests/data (made by tools/reference_ephemeris.py
// with PyEphem) and the program's events for one of their rows.

#include "astro/astro_state.h"

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

inline constexpr double kMinutesPerDay = 1440.0;

// Every row after the header of a CSV file in tests/data.
std::vector<std::vector<std::string>> ReadCsv(const std::string& name);

// "YYYY-MM-DD" to a date-time at 00:00.
double DateOf(const std::string& iso);

// Minutes from local midnight, or nothing for "none" / a marker.
std::optional<double> ReferenceMinutes(const std::string& cell);
std::optional<double> ProgramMinutes(double slot);

// The reference events in the column order of the event tables, the group
// each is judged in, and the altitude (degrees) each crosses; the transits
// cross none.
struct EventColumn {
  const char* name;
  const char* group;
  enum Body { kSun, kMoon } body;
  bool isTransit;
  int twilightType; // 0 to 2 for a twilight, else -1
};
extern const EventColumn kEventColumns[12];
inline constexpr int kFirstEventColumn = 5;

// The state of a row: its place, zone and date, prepared, transit on.
astro::AstroState RowState(const std::vector<std::string>& row);

// Every event of one row as the day view computes it, in the column order.
std::vector<std::optional<double>> ProgramEvents(const std::vector<std::string>& row);

} // namespace testing_support
