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

// The usual short forms of the states and provinces (ISO 3166-2 codes, the
// postal ones where a country has them), by country and GeoNames admin1 code,
// for the countries where namesakes in different states are common: "Portland,
// ME, USA", "São José, SC, Brazil".
const kShortRegion = {
  CA: { "01": "AB", "02": "BC", "03": "MB", "04": "NB", "05": "NL", "07": "NS", "08": "ON", "09": "PE", "10": "QC",
        "11": "SK", "12": "YT", "13": "NT", "14": "NU" },
  AU: { "01": "ACT", "02": "NSW", "03": "NT", "04": "QLD", "05": "SA", "06": "TAS", "07": "VIC", "08": "WA" },
  BR: { "01": "AC", "02": "AL", "03": "AP", "04": "AM", "05": "BA", "06": "CE", "07": "DF", "08": "ES", "11": "MS",
        "13": "MA", "14": "MT", "15": "MG", "16": "PA", "17": "PB", "18": "PR", "20": "PI", "21": "RJ", "22": "RN",
        "23": "RS", "24": "RO", "25": "RR", "26": "SC", "27": "SP", "28": "SE", "29": "GO", "30": "PE", "31": "TO" },
  MX: { "01": "AGU", "02": "BCN", "03": "BCS", "04": "CAM", "05": "CHP", "06": "CHH", "07": "COA", "08": "COL",
        "09": "CMX", "10": "DUR", "11": "GUA", "12": "GRO", "13": "HID", "14": "JAL", "15": "MEX", "16": "MIC",
        "17": "MOR", "18": "NAY", "19": "NLE", "20": "OAX", "21": "PUE", "22": "QUE", "23": "ROO", "24": "SLP",
        "25": "SIN", "26": "SON", "27": "TAB", "28": "TAM", "29": "TLA", "30": "VER", "31": "YUC", "32": "ZAC" },
  IN: { "01": "AN", "03": "AS", "05": "CH", "07": "DL", "09": "GJ", "10": "HR", "11": "HP", "12": "JK", "13": "KL",
        "14": "LD", "16": "MH", "17": "MN", "18": "ML", "19": "KA", "20": "NL", "21": "OD", "22": "PY", "23": "PB",
        "24": "RJ", "25": "TN", "26": "TR", "28": "WB", "29": "SK", "30": "AR", "31": "MZ", "33": "GA", "34": "BR",
        "35": "MP", "36": "UP", "37": "CT", "38": "JH", "39": "UT", "40": "TG", "41": "LA" },
};
// The countries whose towns of kNamesakePeople or more come in when the list
// holds a place of their name in another state: so the user of each finds a
// town of their own.
export const kNamesakeCountries = new Set(["US", ...Object.keys(kShortRegion)]);
export const kNamesakePeople = 40000;

export const fold = (text) => text.normalize("NFD").replace(/[\u0300-\u036f]/g, "").toLowerCase();

export function countryNames(countries, iso) {
  const full = kCountryName[iso] ?? countries[iso]?.name ?? iso;
  return { full, short: kShortCountry[iso] ?? full, code: iso };
}

// The mark, or null where kRegion lacks it.
export const regionMark = (place) =>
  place.country === "US"
    ? place.adminCode
    : kShortRegion[place.country]?.[place.adminCode] ?? kRegion[`${place.country}.${place.adminCode}`] ?? null;

// The first of these that fits the width: "City, Country", the short form of
// the country, its ISO 3166 code; with a region mark after the city where one
// is needed, and then the city and its region alone; the city alone where it
// bears the country's name. Null where nothing fits: a name is never cut, a
// place too long for the field takes the short name people use for it
// (data/short_names.tsv).
export function recordName(city, country, mark) {
  const middle = mark ? `, ${mark}` : "";
  if (!mark && fold(city) === fold(country.full)) return city; // "Singapore", "Monaco"
  for (const tail of [country.full, country.short, country.code]) {
    const name = `${city}${middle}, ${tail}`;
    if (name.length <= kNameWidth) return name;
  }
  if (mark && `${city}${middle}`.length <= kNameWidth) return `${city}${middle}`;
  if (!mark && city.length <= kNameWidth) return city; // "Santa Cruz de la Sierra": a big city's name whole
  return null;
}

// A name cut short: its city ends in a full stop before the first comma
// ("Las Palmas de Gran C., ES"). "Washington, D.C., USA" is whole.
export const isCutName = (name) => /^[^,]*\.(,|$)/u.test(name);
