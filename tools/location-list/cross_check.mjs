// SPDX-License-Identifier: GPL-3.0-or-later
// GeoNames checked against the second source (second_source.mjs). Each rule
// finds one kind of fault and settles it; what no rule settles stops the
// generator. data/README.md states the same rules (readme.mjs).

import { kilometres } from "./check.mjs";
import { matchKey } from "./second_source.mjs";

export const kNameApartKm = 25;     // a name farther than this from the second source's place of that name
export const kSharedApartKm = 50;   // two namesakes farther apart than this with one population
export const kSharedShare = 0.1;    // populations this close (share of the larger) are one figure
export const kSameSpotKm = 8;       // two cities this close with one population are one place
export const kOnePopulationShare = 0.01;
export const kNearSpotKm = 6;       // and this close with populations this near, one of them unknown to the second source
export const kNearPopulationShare = 0.1;
export const kCityPeople = 150000;  // the population rules of one spot hold for cities of this size
export const kOneSpotKm = 1;        // two names this close are one place whatever their populations

const isSeat = (p) => p.featureCode === "PPLC" || p.featureCode.startsWith("PPLA");
const shared = (a, b, share) => a > 0 && b > 0 && Math.abs(a - b) <= share * Math.max(a, b);

// Whether the second source lists a place of this name within kNameApartKm.
const knownThere = (second, p, name = p.name) =>
  second.namesakes(p.country, name, p.spot).some((s) => s.apart <= kNameApartKm);

// GeoNames' first-level region at a point: that of its nearest place.
function regionAt(all, country, spot) {
  let best = null;
  for (const q of all) {
    if (q.country !== country) continue;
    const apart = kilometres(spot, q.spot);
    if (!best || apart < best.apart) best = { apart, region: q.adminCode };
  }
  return best?.region ?? null;
}

// A seat of a second-level division that GeoNames counts at kShortSeatPeople
// or more but below kCityPeople, and the second source, also naming it a
// seat, at least kShortSeatTimes as many, is a city that GeoNames counts one
// district of (Jinhua, Sanya).
export const kShortSeatPeople = 100000;
export const kShortSeatTimes = 5;
const countsOneDistrict = (p, s) =>
  p.featureCode === "PPLA2" && s.seat && p.population >= kShortSeatPeople && p.population < kCityPeople &&
  s.population >= kShortSeatTimes * p.population;

// A place without a population in GeoNames, or a seat it counts one district
// of, takes the second source's figure for its place of the same name within
// kNameApartKm.
export function fillPopulations(places, second) {
  const filled = [];
  for (const p of places) {
    const s = second.namesakes(p.country, p.name, p.spot).find((n) => n.apart <= kNameApartKm && n.population > 0);
    if (!s || (p.population > 0 && !countsOneDistrict(p, s))) continue;
    p.population = s.population;
    filled.push(p);
  }
  return filled;
}

// A name farther than kNameApartKm from the second source's place of that
// name is one place when the two share a population or GeoNames' region is
// the one at the second source's point; else they are namesakes, both real.
// One place is settled so: GeoNames' own record of the name at the second
// source's point replaces it; else, where the regions differ, it moves to the
// second source's point (the population and the region there agree); else,
// in one region with one population, GeoNames' point stays.
export function settleNamePositions(wanted, all, second, choose) {
  const decisions = [];
  for (const p of [...wanted]) {
    if (p.dropped) continue;
    const namesakes = second.namesakes(p.country, p.name, p.spot);
    if (!namesakes.length || namesakes[0].apart <= kNameApartKm) continue;
    const s = namesakes.find((n) => shared(p.population, n.population, kSharedShare)) ?? namesakes[0];
    const region = regionAt(all, p.country, s.spot);
    const apart = Math.round(s.apart);
    const where = `${p.name}, ${p.country} (GeoNames ${p.cityId}), ${apart} km from the second source's ${s.name} (${s.region})`;
    if (!shared(p.population, s.population, kSharedShare) && region !== p.adminCode) {
      decisions.push({ rule: "namesake", text: `${where}: another place, in another region with another population; kept` });
      continue;
    }
    const there = all
      .filter((q) => q !== p && q.country === p.country && matchKey(q.name) === matchKey(p.name))
      .map((q) => ({ q, apart: kilometres(q.spot, s.spot) }))
      .filter(({ apart: a }) => a <= kNameApartKm)
      .sort((a, b) => a.apart - b.apart)[0]?.q;
    if (there) {
      p.dropped = true;
      if (!there.population) there.population = s.population;
      choose(there);
      decisions.push({ rule: "replaced", text: `${where}: GeoNames ${there.cityId} at the second source's point replaces it` });
    } else if (region !== p.adminCode) {
      p.spot = { ...s.spot };
      p.adminCode = region;
      decisions.push({ rule: "moved", text: `${where}: moved to the second source's point, in region ${region}` });
    } else if (isSeat(p)) {
      decisions.push({ rule: "kept", text: `${where}: one region, one population, no GeoNames place there; GeoNames' point of the seat kept` });
    } else {
      p.spot = { ...s.spot };
      decisions.push({ rule: "moved", text: `${where}: one region, one population; moved to the second source's point` });
    }
  }
  return decisions;
}

// Two places of one name more than kSharedApartKm apart with one population
// (within kSharedShare): one is a copy. The one the second source lists there
// stays (when it lists both, both are real). Where it lists neither, the
// generator's table of checked records (verdicts: GeoNames ids of copies,
// and of places checked to be real) decides, else the pair is unsettled.
export function settleSharedPopulations(wanted, all, second, verdicts) {
  const decisions = [];
  const groups = new Map();
  for (const p of all) {
    if (p.population < 1000) continue;
    const key = `${p.country}|${matchKey(p.name)}`;
    groups.set(key, [...(groups.get(key) ?? []), p]);
  }
  const isWanted = new Set(wanted);
  for (const group of groups.values())
    for (let i = 0; i < group.length; ++i)
      for (let j = i + 1; j < group.length; ++j) {
        const [a, b] = [group[i], group[j]];
        if (a.dropped || b.dropped || (!isWanted.has(a) && !isWanted.has(b))) continue;
        if (!shared(a.population, b.population, kSharedShare) || kilometres(a.spot, b.spot) <= kSharedApartKm) continue;
        const [aKnown, bKnown] = [knownThere(second, a), knownThere(second, b)];
        const pair = `${a.name}, ${a.country}: GeoNames ${a.cityId} (region ${a.adminCode}, ${a.population}) and ${b.cityId} (region ${b.adminCode}, ${b.population})`;
        if (aKnown && bKnown) {
          decisions.push({ rule: "both real", text: `${pair}: the second source lists both; both kept` });
          continue;
        }
        let copy = aKnown !== bKnown ? (aKnown ? b : a) : null;
        let why = "the second source lists only the other";
        if (!copy) {
          if (verdicts.real.has(a.cityId) && verdicts.real.has(b.cityId)) {
            decisions.push({ rule: "both real", text: `${pair}: the second source lists neither; both checked to be real, kept` });
            continue;
          }
          copy = verdicts.copies.has(a.cityId) ? a : verdicts.copies.has(b.cityId) ? b : null;
          why = "the second source lists neither; checked to be a copy";
        }
        if (!copy) {
          decisions.push({ rule: "unsettled", text: `${pair}: the second source lists neither; name the copy in the generator's table` });
          continue;
        }
        copy.dropped = true;
        decisions.push({ rule: "copy", text: `${pair}: GeoNames ${copy.cityId} dropped, ${why}` });
      }
  return decisions;
}

// Two names within kSameSpotKm are one place under two names when they lie
// within kOneSpotKm, when one is the other with words added ("Gadag-Betageri"),
// even where the second source lists both, or, for two cities of kCityPeople or more, when GeoNames gives both one
// population (within kOnePopulationShare), or when they lie within kNearSpotKm
// with populations within kNearPopulationShare, one a seat (of a country or a
// region) that the second source lists there and the other a plain place
// (PPL) that it does not; but never when the second source lists both there. The name it lists stays (else the more wanted record);
// the other stays searchable as a former name.
export function settleSameSpots(wanted, second, moreWanted) {
  const decisions = [];
  const live = wanted.filter((p) => !p.dropped);
  const byCountry = new Map();
  for (const p of live) byCountry.set(p.country, [...(byCountry.get(p.country) ?? []), p]);
  const extendsName = (a, b) => {
    const first = matchKey(a.name.split(/[\s-]/)[0]);
    return first !== matchKey(a.name) && first === matchKey(b.name);
  };
  const listedThere = (p) =>
    second.namesakes(p.country, p.name, p.spot).find((s) => s.apart <= kNameApartKm) ?? null;
  for (const group of byCountry.values()) {
    group.sort(moreWanted);
    for (let i = 0; i < group.length; ++i)
      for (let j = i + 1; j < group.length; ++j) {
        const [a, b] = [group[i], group[j]];
        if (a.dropped || b.dropped || matchKey(a.name) === matchKey(b.name)) continue;
        const apart = kilometres(a.spot, b.spot);
        if (apart >= kSameSpotKm) continue;
        const [aListed, bListed] = [listedThere(a), listedThere(b)];
        const longer = extendsName(a, b) || extendsName(b, a);
        if (aListed && bListed && !longer) continue;
        const cities = a.population >= kCityPeople && b.population >= kCityPeople;
        const why =
          apart < kOneSpotKm ? "within 1 km"
          : longer ? "one name is the other's with words added"
          : cities && shared(a.population, b.population, kOnePopulationShare) ? "one population"
          : cities && apart < kNearSpotKm && shared(a.population, b.population, kNearPopulationShare) &&
              ((aListed && isSeat(a) && b.featureCode === "PPL") || (bListed && isSeat(b) && a.featureCode === "PPL"))
            ? "close, with near populations: a seat the second source lists and a place it does not"
          : null;
        if (!why) continue;
        const [kept, copy] = bListed && !aListed ? [b, a] : [a, b];
        copy.dropped = true;
        kept.formerNames = [...(kept.formerNames ?? []), copy.name];
        decisions.push({
          rule: "same spot",
          text: `${copy.name}, ${copy.country} (GeoNames ${copy.cityId}), ${apart.toFixed(1)} km from ${kept.name} (GeoNames ${kept.cityId}), ${why}: one place; "${copy.name}" stays searchable`,
        });
      }
  }
  return decisions;
}
