// SPDX-License-Identifier: GPL-3.0-or-later
#include "sky_event_list.h"

#include "apsides.h"
#include "event_time.h"
#include "lunar_eclipse.h"
#include "moon_phases.h"
#include "seasons.h"
#include "solar_eclipse_local.h"
#include "solar_eclipse_search.h"
#include "vector_state.h"

#include <algorithm>
#include <cmath>

namespace sky_events {
namespace {

int YearOf(double jdUt) {
  return static_cast<int>(std::floor(2000.0 + (jdUt - 2451544.5) / 365.2425));
}

void AddSeasons(double fromJdUt, double toJdUt, std::vector<SkyEvent>& events) {
  for (int year = YearOf(fromJdUt) - 1; year <= YearOf(toJdUt) + 1; ++year) {
    for (const SkyEvent& season : SeasonsOfYear(year)) {
      if (season.jdUt >= fromJdUt && season.jdUt < toJdUt) events.push_back(season);
    }
  }
}

// Full moons are found over two days more either side, for the perigees at the ends.
constexpr double kFullMoonMarginDays = 2.0;

void AddEclipses(double fromTt, double toTt, const std::vector<double>& fullMoons, const GeoSite& site,
                 std::vector<SkyEvent>& events) {
  for (const double fullMoon : fullMoons) {
    if (fullMoon < fromTt || fullMoon >= toTt) continue;
    if (auto eclipse = LunarEclipseAtFullMoon(fullMoon, site)) events.push_back(*eclipse);
  }
  for (const double newMoon : SyzygiesBetween(fromTt, toTt, Syzygy::NewMoon)) {
    if (!SolarEclipseAtNewMoon(newMoon)) continue;
    if (auto local = LocalSolarEclipse(UniversalFromTerrestrial(newMoon), site)) {
      SkyEvent eclipse;
      eclipse.kind = SkyEventKind::SolarEclipse;
      eclipse.jdUt = local->greatestJdUt;
      eclipse.solar = *local;
      events.push_back(eclipse);
    }
  }
}

void AddApsides(double fromJdUt, double toJdUt, const std::vector<double>& fullMoons, std::vector<SkyEvent>& events) {
  std::vector<SkyEvent> apsides = ApsidesBetween(fromJdUt, toJdUt);
  for (SkyEvent& apsis : apsides) {
    if (apsis.kind != SkyEventKind::Perigee) continue;
    const double perigeeTt = TerrestrialFromUniversal(apsis.jdUt);
    apsis.apsis->fullMoonNearPerigee = std::any_of(fullMoons.begin(), fullMoons.end(), [perigeeTt](double fullMoon) {
      return std::abs(fullMoon - perigeeTt) <= kFullMoonNearPerigeeDays;
    });
  }
  events.insert(events.end(), apsides.begin(), apsides.end());
}

} // namespace

std::vector<SkyEvent> SkyEventsBetween(double fromJdUt, double toJdUt, const GeoSite& site, EventKinds kinds) {
  ClearUpperVectorState();
  std::vector<SkyEvent> events;
  if (kinds.seasons) AddSeasons(fromJdUt, toJdUt, events);
  const double fromTt = TerrestrialFromUniversal(fromJdUt);
  const double toTt = TerrestrialFromUniversal(toJdUt);
  std::vector<double> fullMoons;
  if (kinds.eclipses || kinds.apsides)
    fullMoons = SyzygiesBetween(fromTt - kFullMoonMarginDays, toTt + kFullMoonMarginDays, Syzygy::FullMoon);
  if (kinds.eclipses) AddEclipses(fromTt, toTt, fullMoons, site, events);
  if (kinds.apsides) AddApsides(fromJdUt, toJdUt, fullMoons, events);
  std::stable_sort(events.begin(), events.end(),
                   [](const SkyEvent& a, const SkyEvent& b) { return a.jdUt < b.jdUt; });
  return events;
}

} // namespace sky_events
