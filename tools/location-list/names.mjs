// SPDX-License-Identifier: GPL-3.0-or-later
// The names of the records: "City, Country", a region mark where one country
// has several listed places of one name, and one rule for names too long.

export const kNameWidth = 25; // the name field of a record, in UTF-16 units

// Country names as people write them after a city, where countries-list has a
// longer one.
const kCountryName = {
  US: "USA", GB: "UK", AE: "UAE", CD: "DR Congo", CG: "Congo", KR: "South Korea", KP: "North Korea",
};

// Short forms, tried when "City, Country" does not fit.
const kShortCountry = {
  AG: "Antigua", BA: "Bosnia", CF: "C. African Rep.", DO: "Dom. Rep.", FK: "Falklands", GQ: "Eq. Guinea",
  KN: "St Kitts", KY: "Cayman Is.", MH: "Marshall Is.", MK: "N. Macedonia", MP: "N. Mariana Is.",
  PF: "Fr. Polynesia", PG: "PNG", PM: "St Pierre", SB: "Solomon Is.", SJ: "Svalbard", ST: "Sao Tome",
  TC: "Turks Caicos", TT: "Trinidad", VC: "St Vincent", VG: "Br. Virgin Is.", VI: "US Virgin Is.",
  WF: "Wallis Futuna", ZA: "S. Africa",
};

// Region marks for places of one name in one country, by country and GeoNames
// admin1 code. The United States' codes are the states' own letters and need
// none. The generator stops and names the missing ones.
const kRegion = {
  "AR.13": "Mendoza", "AR.20": "Santa Cruz",
  "AU.06": "Tasmania", "AU.08": "W. Australia",
  "CN.01": "Anhui", "CN.02": "Zhejiang", "CN.05": "Jilin", "CN.03": "Jiangxi", "CN.04": "Jiangsu", "CN.08": "Heilongjiang",
  "CN.09": "Henan", "CN.11": "Hunan", "CN.12": "Hubei", "CN.16": "Guangxi",
  "CN.19": "Liaoning", "CN.20": "Nei Mongol", "CN.25": "Shandong", "CN.29": "Yunnan", "CN.30": "Guangdong",
  "CN.32": "Sichuan",
  "IN.10": "Haryana", "IN.28": "West Bengal", "IN.36": "UP",
  "FI.13": "C. Finland", "FI.15": "Ostrobothnia", "FI.17": "Oulu", "FI.19": "Lapland",
  "NO.09": "Nordland", "NO.21": "Trøndelag", "NO.30": "Viken", "NO.46": "Vestland", "NO.54": "Troms",
  "RU.06": "Arkhangelsk", "RU.28": "Karelia", "RU.32": "Yugra", "RU.34": "Komi",
  "RU.42": "Leningrad", "RU.49": "Murmansk", "RU.91": "Krasnoyarsk",
  "SE.03": "Gävleborg", "SE.07": "Jämtland", "SE.10": "Dalarna", "SE.21": "Uppsala",
  "SE.23": "Västerbotten", "SE.24": "Västernorrland",
};

export const fold = (text) => text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();

export function countryNames(countries, iso) {
  const full = kCountryName[iso] ?? countries[iso]?.name ?? iso;
  return { full, short: kShortCountry[iso] ?? full, code: iso };
}

// The mark, or null where kRegion lacks it.
export const regionMark = (place) =>
  place.country === "US" ? place.adminCode : kRegion[`${place.country}.${place.adminCode}`] ?? null;

// The first of these that fits the width: "City, Country", the short form of
// the country, its ISO 3166 code; with a region mark after the city where one
// is needed, and then the city and its region alone; the city alone where it
// bears the country's name. Where nothing fits, the city is cut and ends in a
// full stop.
export function recordName(city, country, mark) {
  const middle = mark ? `, ${mark}` : "";
  if (!mark && fold(city) === fold(country.full)) return city; // "Singapore", "Monaco"
  for (const tail of [country.full, country.short, country.code]) {
    const name = `${city}${middle}, ${tail}`;
    if (name.length <= kNameWidth) return name;
  }
  if (mark && `${city}${middle}`.length <= kNameWidth) return `${city}${middle}`;
  const tail = `${middle}, ${country.code}`;
  const cut = city.slice(0, kNameWidth - tail.length - 1).trimEnd();
  if (cut.length < 10) throw new Error(`"${city}${tail}" leaves too little of the city: shorten the region mark`);
  return `${cut}.${tail}`;
}
