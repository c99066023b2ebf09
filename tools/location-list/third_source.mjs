// SPDX-License-Identifier: GPL-3.0-or-later
// The third source, compiled independently of GeoNames and SimpleMaps:
// Natural Earth's populated places (npm city-timezones, which carries their
// names, points and greater-city populations). It counts the cities of
// 300,000 people or more, and the generator brings in each one the list
// lacks, and then checks that the list holds nearly all of them.

import { kilometres } from "./check.mjs";
import { matchKey } from "./second_source.mjs";

export const kBigCity = 300000;   // people, in Natural Earth's count of the greater city
export const kPresentKm = 25;     // a listed place this near stands for the city
export const kWantedShare = 0.98; // of those cities, at least this share listed

export const bigCities = (records) =>
  records
    .filter((r) => r.pop >= kBigCity)
    .map((r) => ({ name: r.city, country: r.iso2, population: r.pop, spot: { latitude: r.lat, longitude: r.lng } }));

const near = (places, spot) => places.find((p) => kilometres(p.spot, spot) < kPresentKm);

// For each big city that no listed place stands for, GeoNames' town of its
// name within kPresentKm, the most populous if several.
export function missingBigCities(cities, listed, candidates) {
  const byName = new Map();
  for (const p of candidates) {
    const key = `${p.country}|${matchKey(p.name)}`;
    byName.set(key, [...(byName.get(key) ?? []), p]);
  }
  const found = [];
  for (const city of cities) {
    if (near(listed, city.spot)) continue;
    const sameName = (byName.get(`${city.country}|${matchKey(city.name)}`) ?? [])
      .filter((p) => kilometres(p.spot, city.spot) < kPresentKm)
      .sort((a, b) => b.population - a.population);
    if (sameName.length) found.push(sameName[0]);
  }
  return found;
}

// The big cities no listed place stands for, and the share of them listed.
export function coverage(cities, listed) {
  const absent = cities.filter((city) => !near(listed, city.spot));
  return { absent, share: 1 - absent.length / cities.length };
}

// The distances from the third source's big cities to the listed places of
// their names in their countries (the nearest, where several), km, smallest
// first: the positions of the two agree.
export function positionDistances(cities, listed) {
  const byName = new Map();
  for (const p of listed) {
    const key = `${p.country}|${matchKey(p.name)}`;
    byName.set(key, [...(byName.get(key) ?? []), p]);
  }
  return cities
    .map((city) => (byName.get(`${city.country}|${matchKey(city.name)}`) ?? []).map((p) => kilometres(p.spot, city.spot)))
    .filter((d) => d.length)
    .map((d) => Math.min(...d))
    .sort((a, b) => a - b);
}
export const kMedianKm = 10; // the median distance the check allows
