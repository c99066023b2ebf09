// SPDX-License-Identifier: GPL-3.0-or-later
// Checks the written list as a reader of the file sees it: the fields of
// every line, the zone at its coordinates, unique names, no place twice and
// every capital present. Returns the problems found, one text each.

import { standardTimeAt } from "./zones.mjs";
import { fold, isCutName, kNameWidth } from "./names.mjs";
import { isLatin } from "./current_names.mjs";

const kRecord = /^(.{25})\|\s*(-?\d{1,3}\.\d\d) ?\|\s*(-?\d{1,3}\.\d\d) ?\|\s*(-?\d{1,2}(?:\.25|\.5|\.75)?)$/u;

export function checkList(text, { find, capitals, officialZones, sameNameKm, minimum, maximum }) {
  const problems = [];
  const lines = text.split("\r\n");
  if (lines.pop() !== "") problems.push("the file does not end in CR LF");
  const records = [];
  for (const line of lines.slice(2)) {
    const match = kRecord.exec(line);
    if (!match) {
      problems.push(`not a record: "${line}"`);
      continue;
    }
    const name = match[1].trimEnd();
    records.push({ line, name, latitude: Number(match[2]), longitude: -Number(match[3]), zone: Number(match[4]) });
  }
  if (records.length < minimum || records.length > maximum) problems.push(`${records.length} records, not ${minimum} to ${maximum}`);

  const names = new Set();
  for (const r of records) {
    if (r.name.length > kNameWidth || r.name !== r.name.trim() || !r.name) problems.push(`bad name "${r.name}"`);
    if (isCutName(r.name)) problems.push(`"${r.name}" is cut: give it its short name in short_names.tsv`);
    if (!isLatin(r.name)) problems.push(`"${r.name}" is not in Latin letters`);
    if (r.name !== r.name.normalize("NFC") || /\p{M}/u.test(r.name)) problems.push(`"${r.name}" has a combining mark`);
    if (/\bweather\b/i.test(r.name)) problems.push(`"${r.name}" is a weather station`);
    if (names.has(r.name.toLowerCase())) problems.push(`"${r.name}" twice`);
    names.add(r.name.toLowerCase());
    const time = standardTimeAt(find, r.latitude, r.longitude, officialZones.get(r.name));
    if (!time || -time.east !== r.zone) problems.push(`${r.name}: zone ${r.zone}, the rules say ${time ? -time.east : "nothing clear"}`);
  }

  // One place under two records: the same city and country, a few kilometres
  // apart.
  const byCity = new Map();
  for (const r of records) {
    const parts = r.name.split(", ");
    const city = fold(`${parts[0]}|${parts.at(-1)}`);
    byCity.set(city, [...(byCity.get(city) ?? []), r]);
  }
  for (const group of byCity.values())
    for (let i = 0; i < group.length; ++i)
      for (let j = i + 1; j < group.length; ++j)
        if (kilometres(group[i], group[j]) < sameNameKm) problems.push(`"${group[i].name}" and "${group[j].name}" are one place`);

  // Namesakes of one country told apart: each carries its region.
  for (const group of byCity.values())
    if (group.length > 1 && group.some((r) => r.name.split(", ").length < 3))
      problems.push(`${group.map((r) => `"${r.name}"`).join(", ")}: namesakes without a region each`);

  for (const capital of capitals) if (!names.has(capital.toLowerCase())) problems.push(`capital "${capital}" missing`);
  return problems;
}

// Checks the other names' lines ("other name<TAB>listed name"): each names a
// listed record, is written whole, in Latin letters and precomposed, and is
// no listed name itself.
export function checkOtherNames(pairs, listedNames) {
  const problems = [];
  for (const pair of pairs) {
    const [other, current] = pair.split("\t");
    if (!listedNames.has(current)) problems.push(`other name "${other}": "${current}" is not listed`);
    if (listedNames.has(other)) problems.push(`other name "${other}" is a listed name`);
    // GeoNames' own abbreviations ("Stgo.") are written whole, with the country's name.
    if (isCutName(other) && /, [A-Z]{2}$/u.test(other)) problems.push(`other name "${other}" is cut`);
    if (!isLatin(other)) problems.push(`other name "${other}" is not in Latin letters`);
    if (other !== other.normalize("NFC")) problems.push(`other name "${other}" is not precomposed`);
  }
  return problems;
}

export function kilometres(a, b) {
  const rad = Math.PI / 180;
  const h = Math.sin(((b.latitude - a.latitude) * rad) / 2) ** 2 +
    Math.cos(a.latitude * rad) * Math.cos(b.latitude * rad) * Math.sin(((b.longitude - a.longitude) * rad) / 2) ** 2;
  return 2 * 6371 * Math.asin(Math.sqrt(h));
}
