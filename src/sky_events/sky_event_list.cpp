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
    const std::vector<SkyEvent> seasons = SeasonsOfYear(year);
    events.insert(events.end(), seasons.begin(), seasons.end());
  }
}

// The events are sought over a day more either side (an eclipse's greatest
// lies hours from its syzygy), then each is taken by its own instant. Full
// moons are found over two days more either side, for the perigees at the ends.
constexpr double kSearchMarginDays = 1.0;
constexpr double kFullMoonMarginDays = 2.0;

void AddEclipses(double fromTt, double toTt, const std::vector<double>& fullMoons, const GeoSite& site,
                 std::vector<SkyEvent>& events) {
  for (const double fullMoon : fullMoons) {
    if (fullMoon < fromTt - kSearchMarginDays || fullMoon >= toTt + kSearchMarginDays) continue;
    if (auto eclipse = LunarEclipseAtFullMoon(fullMoon, site)) events.push_back(*eclipse);
  }
  for (const double newMoon : SyzygiesBetween(fromTt - kSearchMarginDays, toTt + kSearchMarginDays, Syzygy::NewMoon)) {
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
  std::vector<SkyEvent> apsides = ApsidesBetween(fromJdUt - kSearchMarginDays, toJdUt + kSearchMarginDays);
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
  if (kinds.eclipses || kinds.apsides) {
    const double margin = kSearchMarginDays + kFullMoonMarginDays;
    fullMoons = SyzygiesBetween(fromTt - margin, toTt + margin, Syzygy::FullMoon);
  }
  if (kinds.eclipses) AddEclipses(fromTt, toTt, fullMoons, site, events);
  if (kinds.apsides) AddApsides(fromJdUt, toJdUt, fullMoons, events);
  // Each event by the second it is shown at, so that the span of local dates
  // holds exactly the events dated in it.
  const long long first = ShownSecond(fromJdUt), last = ShownSecond(toJdUt);
  std::erase_if(events, [first, last](const SkyEvent& e) {
    const long long shown = ShownSecond(e.jdUt);
    return shown < first || shown >= last;
  });
  std::stable_sort(events.begin(), events.end(),
                   [](const SkyEvent& a, const SkyEvent& b) { return a.jdUt < b.jdUt; });
  return events;
}

} // namespace sky_events
