// SPDX-License-Identifier: GPL-3.0-or-later
// Builds data/Location.txt, the world list of places shipped with Vesperon,
// from the gazetteer of the npm package city-timezones and the capitals of
// the npm package countries-list. Run through generate.sh, which installs the
// two packages into a temporary folder; nothing here is needed to build or run
// the program.
//
//   node generate.mjs <node_modules folder> <data folder>
//
// writes Location.txt and README.md into the data folder.

import { createRequire } from "node:module";
import { readFileSync, writeFileSync } from "node:fs";
import path from "node:path";

const [modules, dataFolder] = process.argv.slice(2);
if (!modules || !dataFolder) {
  console.error("usage: node generate.mjs <node_modules folder> <data folder>");
  process.exit(2);
}
const require = createRequire(path.join(path.resolve(modules), "index.js"));
const gazetteer = require("city-timezones").cityMapping;
const countries = require("countries-list").countries;

const kWanted = 1200;        // records in the file, capitals included
const kNameWidth = 25;       // the name field of a record, in UTF-16 units
const kYear = 2025;          // the year whose rules give the standard offsets

// Capitals that countries-list and the gazetteer spell differently, by the
// country's ISO 3166 code: the gazetteer's spelling.
const kCapitalSpelling = {
  AD: "Andorra", CK: "Rarotonga", GD: "Saint George's", GT: "Guatemala", GU: "Agana",
  HK: "Hong Kong", KI: "Tarawa", KW: "Kuwait", MN: "Ulaanbaatar", MP: "Capitol Hill",
  PW: "Melekeok", RE: "St.-Denis", SM: "San Marino", TC: "Grand Turk", XK: "Pristina",
  YT: "Dzaoudzi",
};

// Country names as people write them after a city, where countries-list has a
// longer one.
const kCountryName = { US: "USA", GB: "UK", AE: "UAE", CD: "DR Congo", KR: "South Korea", KP: "North Korea" };

// Shorter names for countries whose name may not fit after a city name in 25
// characters.
const kShortCountry = {
  CF: "C. African Rep.", BA: "Bosnia", ZA: "S. Africa",
  DO: "Dom. Rep.", KY: "Cayman Is.", GQ: "Eq. Guinea", PG: "Papua N. Guinea", TT: "Trinidad", AG: "Antigua",
  KN: "St Kitts", VC: "St Vincent", ST: "Sao Tome", PM: "St Pierre", TC: "Turks Caicos",
  VG: "Br. Virgin Is.", VI: "US Virgin Is.", MP: "N. Mariana Is.", FK: "Falklands",
  MH: "Marshall Is.", SB: "Solomon Is.", PF: "Fr. Polynesia", MK: "N. Macedonia",
  CG: "Congo", SJ: "Svalbard", WF: "Wallis Futuna",
};

// The gazetteer gives Kosovo no ISO code.
const isoOf = (place) => (place.iso2 === -99 && place.iso3 === "KOS" ? "XK" : String(place.iso2));

const fold = (text) => text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase().replace(/[^a-z]/g, "");

// Standard-time offset in hours, East positive: of the offsets in force in
// mid-January and mid-July, the smaller one (daylight time adds to standard
// time in both hemispheres).
function standardOffsetHours(zone) {
  const offsetAt = (month) => {
    const text = new Intl.DateTimeFormat("en-US", { timeZone: zone, timeZoneName: "longOffset" })
      .formatToParts(new Date(Date.UTC(kYear, month, 15, 12)))
      .find((part) => part.type === "timeZoneName").value; // "GMT", "GMT+05:30", "GMT-03:00"
    const match = /^GMT(?:([+-])(\d\d):(\d\d))?$/.exec(text);
    if (!match) throw new Error(`unexpected offset ${text} for ${zone}`);
    if (!match[1]) return 0;
    return (match[1] === "-" ? -1 : 1) * (Number(match[2]) + Number(match[3]) / 60);
  };
  return Math.min(offsetAt(0), offsetAt(6));
}

// The program's own number texts: latitude and longitude to two decimals, the
// zone in its shortest form ("5", "-3.5"); no "-0".
const degrees = (value) => {
  const text = value.toFixed(2);
  return /^-0\.00$/.test(text) ? "0.00" : text;
};
const hours = (value) => String(value === 0 ? 0 : value);

// The record line as the program writes it: name cut or filled to 25, a field
// shorter than its width gets one blank after it and blanks before it.
const numberField = (text, width) => (text.length < width ? (text + " ").padStart(width, " ") : text);
const record = (p) =>
  [p.name.padEnd(kNameWidth, " "), numberField(p.latitude, 7), numberField(p.longitude, 8), hours(p.zone).padStart(3, " ")].join("|");

// Capitals first, then the most populous places.
const capitals = new Set();
const missingCapitals = [];
for (const [iso, country] of Object.entries(countries)) {
  if (!country.capital) continue;
  const spellings = [kCapitalSpelling[iso] ?? "", ...country.capital.split(",")].map(fold).filter(Boolean);
  const found = gazetteer
    .filter((p) => isoOf(p) === iso && spellings.some((s) => fold(p.city) === s || fold(p.city_ascii) === s))
    .sort((a, b) => b.pop - a.pop)[0];
  if (found) capitals.add(found);
  else missingCapitals.push(`${country.capital}, ${country.name}`);
}
const byPopulation = gazetteer.filter((p) => !capitals.has(p)).sort((a, b) => b.pop - a.pop);

const countryName = (p) => {
  const iso = isoOf(p);
  const full = kCountryName[iso] ?? countries[iso]?.name ?? p.country;
  return { full, short: kShortCountry[iso] ?? full };
};

// The readable name: "City, Country"; with the state or province where the
// country has several places of one name; shorter country names where the
// name would not fit; the city alone as the last resort.
function nameCandidates(p, crowded) {
  const { full, short } = countryName(p);
  const city = p.city.normalize("NFC");
  if (fold(city) === fold(full)) return [city]; // "Singapore", "Monaco"
  const province = (p.state_ansi || p.province || "").normalize("NFC");
  const plain = [`${city}, ${full}`, `${city}, ${short}`];
  const withProvince = province ? [`${city}, ${province}, ${full}`, `${city}, ${province}, ${short}`, `${city}, ${province}`] : [];
  const alone = [city];
  return crowded ? [...withProvince, ...plain, ...alone] : [...plain, ...withProvince, ...alone];
}

// The gazetteer holds a few places twice ("Copenhagen" and "København"): a
// place of the same country at the same spot, or of the same name close by.
const sameAs = (p, q) => {
  if (isoOf(p) !== isoOf(q)) return false;
  const apart = Math.max(Math.abs(p.lat - q.lat), Math.abs(p.lng - q.lng)); // degrees
  return apart <= 0.02 || (apart <= 0.5 && fold(p.city) === fold(q.city));
};

// The places: capitals first, then by population; no duplicates, no zone the
// editor cannot choose.
const taken = [];
const leftOut = [];
const duplicates = [];
for (const p of [...capitals, ...byPopulation]) {
  if (taken.length >= kWanted) break;
  if (!p.timezone) continue; // the gazetteer gives no zone
  const original = taken.find((q) => sameAs(p, q));
  if (original) {
    duplicates.push(`${p.city} (${p.province}), the same place as ${original.city}`);
    continue;
  }
  const east = standardOffsetHours(p.timezone);
  p.zone = -east; // West positive
  if (!Number.isInteger(p.zone * 2) || p.zone < -12 || p.zone > 12) {
    leftOut.push(`${p.city}, ${countryName(p).full} (${p.timezone}): standard time is UTC${east >= 0 ? "+" : ""}${east} hours`);
    continue;
  }
  taken.push(p);
}

// Their names; a name shared by several of them within one country gets the
// state or province.
const placesNamed = new Map();
const cityKey = (p) => `${isoOf(p)}|${fold(p.city)}`;
for (const p of taken) placesNamed.set(cityKey(p), (placesNamed.get(cityKey(p)) ?? 0) + 1);
const names = new Set();
const chosen = [];
for (const p of taken) {
  const name = nameCandidates(p, placesNamed.get(cityKey(p)) > 1)
    .find((n) => n.length <= kNameWidth && !names.has(n.toLowerCase()));
  if (!name) throw new Error(`no short unique name for ${p.city}, ${countryName(p).full}`);
  names.add(name.toLowerCase());
  chosen.push({ name, latitude: degrees(p.lat), longitude: degrees(-p.lng), zone: p.zone });
}

const collator = new Intl.Collator("en", { sensitivity: "base" });
const lines = chosen.map(record).sort((a, b) => collator.compare(a, b));
const header = "      Location           |  Lat  |  Long  | TZ";
const rule = "-".repeat(46);
writeFileSync(path.join(dataFolder, "Location.txt"), [header, rule, ...lines].map((l) => l + "\r\n").join(""), "utf8");

const version = (name) => JSON.parse(readFileSync(path.join(modules, name, "package.json"), "utf8")).version;
const bullets = (items) => items.map((item) => `- ${item}`).join("\n");
writeFileSync(
  path.join(dataFolder, "README.md"),
  `# The shipped list of places

\`Location.txt\` is the location list a new user finds in the location editor:
${lines.length} places, every national capital the gazetteer holds and then the most
populous places, in the program's own fixed-column format (UTF-8, CR LF).
Names are "City, Country", with the state or province where a country has
several places of one name, at most 25 characters; latitude North positive and
longitude West positive, in degrees to two decimals; the zone is the place's
standard-time offset in hours, West positive (daylight saving time is not
counted).

It is generated; do not edit it by hand. To regenerate (needs Node.js and the
npm registry, nothing else):

    tools/location-list/generate.sh

## Sources and licences

- Places, coordinates, populations and IANA time zones: the npm package
  \`city-timezones\` ${version("city-timezones")} (MIT licence, Kevin Roberts). The package
  does not name the origin of its data; its records (fields city, city_ascii,
  lat, lng, pop, country, iso2, iso3, province) and coordinates are those of the
  Natural Earth "Populated Places" data set (public domain), as first
  repackaged in SimpleMaps' early free world cities list.
- Capitals: the npm package \`countries-list\` ${version("countries-list")} (MIT licence,
  Annexare Studio).
- Standard-time offsets: the time zone rules built into Node.js (tz ${process.versions.tz}),
  read through \`Intl.DateTimeFormat\` for 15 January and 15 July ${kYear}; the
  smaller of the two offsets is the standard time.

## Left out

Of the places that would have been chosen, those whose standard time is not a
whole multiple of half an hour, or lies
outside -12..12 hours (the zones the editor can choose), are left out:

${bullets(leftOut)}

Records of the gazetteer that repeat a place already listed:

${bullets(duplicates)}

Capitals the gazetteer does not hold:

${bullets(missingCapitals)}
`,
  "utf8",
);
console.log(`${lines.length} places (${capitals.size} capitals), ${leftOut.length} left out; time zone rules ${process.versions.tz}`);
