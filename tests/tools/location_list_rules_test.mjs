// SPDX-License-Identifier: GPL-3.0-or-later
// The rules by which the list generator settles what GeoNames and the second
// source disagree on, on small made-up lists: each rule settles its fault,
// leaves real namesakes alone, and reports what it cannot settle.

import assert from "node:assert/strict";
import { test } from "node:test";

import {
  fillPopulations, settleNamePositions, settleSameSpots, settleSharedPopulations,
} from "../../tools/location-list/cross_check.mjs";
import { applyRenamings, latinNames } from "../../tools/location-list/current_names.mjs";
import { checkOtherNames } from "../../tools/location-list/check.mjs";
import { citiesOfDistricts } from "../../tools/location-list/districts.mjs";
import { isCutName, recordName } from "../../tools/location-list/names.mjs";
import { secondSource } from "../../tools/location-list/second_source.mjs";

let nextId = 1;
const place = (name, country, adminCode, population, latitude, longitude, featureCode = "PPL") =>
  ({ cityId: nextId++, name, country, adminCode, population, featureCode, spot: { latitude, longitude } });
const listed = (city, iso2, population, lat, lng, admin = "", capital = "") =>
  ({ city, city_ascii: city, iso2, admin_name: admin, capital, population: String(population), lat: String(lat), lng: String(lng) });
const moreWanted = (a, b) => b.population - a.population || a.cityId - b.cityId;

test("a name far from the second source's place of that name", () => {
  const second = secondSource([
    listed("Puyang", "CN", 3598740, 35.76, 115.03, "Henan"), listed("Masan", "KR", 429612, 35.18, 128.55),
    listed("Perth", "AU", 2141834, -31.96, 115.86),
  ]);
  const wrongPuyang = place("Puyang", "CN", "02", 3590000, 29.46, 119.89);
  const puyang = place("Puyang", "CN", "09", 0, 35.76, 115.02, "PPLA2");
  const wrongMasan = place("Masan", "KR", "18", 434371, 35.13, 126.83);
  const changwon = place("Changwon", "KR", "20", 500000, 35.20, 128.60);
  const perthTasmania = place("Perth", "AU", "06", 2907, -41.57, 147.17);
  const perthWa = place("Kwinana", "AU", "08", 20000, -32.24, 115.77);
  const chosen = new Set([wrongPuyang, wrongMasan, changwon, perthTasmania]);
  const all = [wrongPuyang, puyang, wrongMasan, changwon, perthTasmania, perthWa];
  const rules = settleNamePositions([...chosen], all, second, (p) => chosen.add(p)).map((d) => d.rule);

  assert.deepEqual(rules, ["replaced", "moved", "namesake"]);
  assert.ok(wrongPuyang.dropped && chosen.has(puyang) && puyang.population === 3598740, "GeoNames' own Puyang in Henan");
  assert.deepEqual([wrongMasan.spot, wrongMasan.adminCode], [{ latitude: 35.18, longitude: 128.55 }, "20"]);
  assert.ok(!perthTasmania.dropped && perthTasmania.spot.latitude === -41.57, "a real namesake stays where it is");
});

test("a population GeoNames lacks comes from the second source's namesake nearby, or not at all", () => {
  const second = secondSource([listed("Baojishi", "CN", 3738700, 34.36, 107.18), listed("Maoming", "CN", 6000000, 21.66, 110.92)]);
  const baoji = place("Baoji", "CN", "26", 0, 34.37, 107.24);
  const maomingFar = place("Maoming", "CN", "30", 0, 23.0, 113.0);
  assert.deepEqual(fillPopulations([baoji, maomingFar], second), [baoji]);
  assert.equal(baoji.population, 3738700);
  assert.equal(maomingFar.population, 0);
});

test("a seat GeoNames counts one district of takes the second source's figure, and nothing else does", () => {
  const second = secondSource([
    listed("Jinhua", "CN", 1463990, 29.10, 119.65, "Zhejiang", "minor"),
    listed("Dayton", "US", 709300, 39.78, -84.20, "Ohio"),               // a metropolitan area, no seat named
    listed("Yiwu", "CN", 1234015, 29.31, 120.08, "Zhejiang", "minor"),
    listed("Lishui", "CN", 2507396, 28.45, 119.91, "Zhejiang", "minor"),
    listed("Jinchang", "CN", 438026, 38.50, 102.19, "Gansu", "minor"),
  ]);
  const cases = [
    [place("Jinhua", "CN", "02", 142206, 29.11, 119.64, "PPLA2"), 1463990],
    [place("Dayton", "US", "OH", 140599, 39.76, -84.19, "PPLA2"), 140599],
    [place("Yiwu", "CN", "02", 89629, 29.31, 120.07, "PPLA3"), 89629],     // not a second-level seat
    [place("Lishui", "CN", "02", 98946, 28.46, 119.91, "PPLA2"), 98946],   // below 100,000 in GeoNames
    [place("Jinchang", "CN", "15", 144363, 38.52, 102.19, "PPLA2"), 144363], // only three times as many
  ];
  const filled = fillPopulations(cases.map(([p]) => p), second);
  for (const [p, population] of cases) assert.equal(p.population, population, p.name);
  assert.deepEqual(filled.map((p) => p.name), ["Jinhua"]);
});

test("one population in two places of one name far apart", () => {
  const second = secondSource([listed("Yichun", "CN", 1, 27.8, 114.4), listed("Yichun", "CN", 1, 47.7, 128.9)]);
  const storvik = place("Storvik", "SE", "03", 2202, 60.58, 16.53);
  const storvikCopy = place("Storvik", "SE", "23", 2251, 65.15, 20.73);
  const yichunSouth = place("Yichun", "CN", "03", 152169, 27.8, 114.4);
  const yichunNorth = place("Yichun", "CN", "08", 155762, 47.7, 128.9);
  const wanted = [storvik, storvikCopy, yichunSouth, yichunNorth];

  const unjudged = settleSharedPopulations(wanted, wanted, second, { copies: new Set(), real: new Set() });
  assert.deepEqual(unjudged.map((d) => d.rule).sort(), ["both real", "unsettled"]);
  assert.ok(!storvikCopy.dropped, "what nothing settles stops the generator, which drops nothing by itself");

  settleSharedPopulations(wanted, wanted, second, { copies: new Set([storvikCopy.cityId]), real: new Set() });
  assert.ok(storvikCopy.dropped && !storvik.dropped && !yichunSouth.dropped && !yichunNorth.dropped);
});

test("one place under two names, and two real places side by side", () => {
  const second = secondSource([
    listed("Tempe", "US", 1, 33.41, -111.91), listed("Kolkata", "IN", 1, 22.57, 88.36), listed("Howrah", "IN", 1, 22.59, 88.31),
    listed("Hamadan", "IR", 1, 34.80, 48.51),
  ]);
  const tempe = place("Tempe", "US", "AZ", 175826, 33.41, -111.91);
  const junction = place("Tempe Junction", "US", "AZ", 158368, 33.41, -111.94);
  const kolkata = place("Kolkata", "IN", "28", 4631392, 22.57, 88.36, "PPLA");
  const howrah = place("Howrah", "IN", "28", 1072161, 22.59, 88.31);
  const hamadan = place("Hamadān", "IR", "09", 528256, 34.80, 48.51, "PPLA");
  const azadshahr = place("Āzādshahr", "IR", "09", 514102, 34.79, 48.57);
  const vila = place("Vila Velha", "BR", "08", 394930, -20.33, -40.29);
  const vitoria = place("Vitória", "BR", "08", 312656, -20.32, -40.34, "PPLA");
  settleSameSpots([tempe, junction, kolkata, howrah, hamadan, azadshahr, vila, vitoria], second, moreWanted);

  assert.ok(junction.dropped && azadshahr.dropped);
  assert.deepEqual([tempe.formerNames, hamadan.formerNames], [["Tempe Junction"], ["Āzādshahr"]]);
  assert.ok(![tempe, kolkata, howrah, hamadan, vila, vitoria].some((p) => p.dropped));
});

test("current names in Latin letters, the earlier ones kept", () => {
  const astana = place("Nur-Sultan", "KZ", "05", 345604, 51.18, 71.45, "PPLC");
  const kochi = place("Kochi", "IN", "13", 604696, 9.94, 76.26);
  const aracinovo = place("Арачиново", "MK", "01", 12800, 42.03, 21.56, "PPLA");
  const far = place("Сопиште", "MK", "02", 9460, 41.95, 21.43, "PPLA");
  const renamed = [
    { country: "KZ", earlier: "Nur-Sultan", current: "Astana", source: "s" },
    { country: "IN", earlier: "Cochin", current: "Kochi", source: "s" },
    { country: "UA", earlier: "Odessa", current: "Odesa", source: "s" },
  ];
  assert.equal(applyRenamings([astana, kochi], renamed).length, 1, "a renaming no listed place takes up");
  assert.deepEqual([astana.name, astana.formerNames, kochi.formerNames], ["Astana", ["Nur-Sultan"], ["Cochin"]]);

  const problems = latinNames([aracinovo, far], secondSource([listed("Aračinovo", "MK", 1, 42.03, 21.56)]));
  assert.deepEqual([aracinovo.name, aracinovo.formerNames], ["Aračinovo", ["Арачиново"]]);
  assert.equal(problems.length, 1, "no Latin name near the other");
});

test("a name too long for the field is never cut, and the check finds a cut one", () => {
  const spain = { full: "Spain", short: "Spain", code: "ES" };
  assert.equal(recordName("Las Palmas", spain, ""), "Las Palmas, Spain");
  assert.equal(recordName("Las Palmas de Gran Canaria", spain, "CN"), null);
  assert.ok(isCutName("Las Palmas de Gran C., ES") && isCutName("Sv. Trojica v Slov.., SI"));
  assert.ok(!isCutName("Washington, D.C., USA") && !isCutName("St. Petersburg, USA"));
  const listed = new Set(["Las Palmas, Spain"]);
  assert.deepEqual(checkOtherNames(["Las Palmas de Gran Canaria, Spain\tLas Palmas, Spain", "Stgo., Chile\tLas Palmas, Spain"], listed), []);
  assert.equal(checkOtherNames(["Las Palmas de Gran C., ES\tLas Palmas, Spain", "Лас-Пальмас, Spain\tLas Palmas, Spain"], listed).length, 2);
});

test("a district finds the city it lies in: the one that draws it most, nearby, in its country", () => {
  const losAngeles = place("Los Angeles", "US", "CA", 3971883, 34.05, -118.24);
  const glendale = place("Glendale", "US", "CA", 201020, 34.14, -118.25);
  const bochum = place("Bochum", "DE", "07", 364628, 51.48, 7.22);
  const essen = place("Essen", "DE", "07", 583109, 51.46, 7.01);
  const tijuana = place("Tijuana", "MX", "02", 1376457, 32.53, -117.02);
  const vanNuys = place("Van Nuys", "US", "CA", 136443, 34.19, -118.45);
  const hordel = place("Bochum-Hordel", "DE", "07", 100000, 51.50, 7.18);
  const sanYsidro = place("San Ysidro", "US", "CA", 100000, 32.55, -117.04); // Tijuana lies in another country
  const lost = place("Teni", "IN", "31", 1034724, 10.01, 77.48);             // nothing bigger near
  const pairs = citiesOfDistricts([vanNuys, hordel, sanYsidro, lost], [losAngeles, glendale, bochum, essen, tijuana], 30);
  assert.deepEqual(pairs.map(({ district, city }) => `${district.name} ${city.name}`), ["Van Nuys Los Angeles", "Bochum-Hordel Bochum"]);
});
