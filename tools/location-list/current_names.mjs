// SPDX-License-Identifier: GPL-3.0-or-later
// Names as they are today, in Latin letters: the renamings of
// data/renamed_places.tsv and the short names of data/short_names.tsv, and the second source's Latin name for a place that
// GeoNames names in another script. The name replaced stays searchable
// (p.formerNames).

import { readFileSync } from "node:fs";

import { fold } from "./names.mjs";

// A name in another script takes the Latin name of the second source's place
// this close: one place, whatever its name (kilometres).
const kOnePlaceKm = 2;

// Letters of the Latin script with their marks, digits, blanks and the marks
// that names use between words.
const kLatinName = /^[\p{Script=Latin}\p{M}\p{Nd} '’‘ʻ`.,()/-]+$/u;
export const isLatin = (name) => kLatinName.test(name);

export function readRenamings(file) {
  return readFileSync(file, "utf8")
    .split("\n")
    .filter((line) => line.trim() && !line.startsWith("#"))
    .map((line) => {
      const [country, earlier, current, source] = line.split("\t");
      if (!source) throw new Error(`${file}: "${line}" needs four tab-separated fields`);
      return { country, earlier, current, source };
    });
}

// Returns the problems: a renaming that no listed place takes up (of the
// table named by file).
export function applyRenamings(places, renamings, file = "renamed_places.tsv") {
  const problems = [];
  for (const r of renamings) {
    // "IN.16": a country and GeoNames' region, where the name is held in two.
    const [country, region] = r.country.split(".");
    const matches = (name) =>
      places.filter((p) => p.country === country && (!region || p.adminCode === region) && fold(p.name) === fold(name));
    const earlier = matches(r.earlier);
    const current = matches(r.current);
    if (earlier.length + current.length !== 1) {
      problems.push(`${file}: ${r.earlier} -> ${r.current}, ${r.country} matches ${earlier.length + current.length} listed places, not one`);
      continue;
    }
    const p = earlier[0] ?? current[0];
    p.name = r.current;
    p.formerNames = [...(p.formerNames ?? []), r.earlier];
  }
  return problems;
}

// A name in another script takes the second source's name of the place
// nearest to it in its country, within kOnePlaceKm. Returns the problems.
export function latinNames(places, second) {
  const problems = [];
  for (const p of places) {
    if (isLatin(p.name)) continue;
    const s = second.nearest(p.country, p.spot);
    const name = s && s.apart <= kOnePlaceKm ? [s.name, s.asciiName].find(isLatin) : null;
    if (!name) {
      problems.push(`${p.name}, ${p.country} (GeoNames ${p.cityId}): no Latin name within ${kOnePlaceKm} km in the second source`);
      continue;
    }
    p.formerNames = [...(p.formerNames ?? []), p.name];
    p.name = name;
  }
  return problems;
}
