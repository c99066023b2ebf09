// SPDX-License-Identifier: GPL-3.0-or-later
// Districts and neighbourhoods that the list leaves out, by whose names the
// search finds the city they lie in ("Harlem" finds New York City).

import { kilometres } from "./check.mjs";

// The city each district lies in: of the places of its country within km of
// it that have more people, the one that draws it most, by its population
// over the square of the distance (a big city's district lies nearer a
// smaller suburb than the city's centre: Van Nuys, Los Angeles; a suburb's
// district nearer a big neighbour: Bochum-Hordel); none where no such place
// is near (GeoNames' own mistake, not a district). Districts and places
// carry `spot` (degrees, East positive), `country` and `population`.
export function citiesOfDistricts(districts, places, km) {
  const pairs = [];
  for (const district of districts) {
    let best = null;
    for (const p of places) {
      if (p.country !== district.country || p.population <= district.population) continue;
      const apart = kilometres(p.spot, district.spot);
      const pull = p.population / Math.max(apart, 1) ** 2;
      if (apart <= km && (!best || pull > best.pull)) best = { city: p, pull };
    }
    if (best) pairs.push({ district, city: best.city });
  }
  return pairs;
}
