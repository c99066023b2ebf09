// SPDX-License-Identifier: GPL-3.0-or-later
// Standard time of a place: its IANA zone from the zone boundaries of geo-tz,
// its offset from the time zone rules built into Node.js.

export const kYear = 2025; // the year whose rules give the standard offsets

// Offset from UTC in hours, East positive, in force at noon UTC of the day.
export function offsetOn(zone, month, day) {
  const text = new Intl.DateTimeFormat("en-US", { timeZone: zone, timeZoneName: "longOffset" })
    .formatToParts(new Date(Date.UTC(kYear, month, day, 12)))
    .find((part) => part.type === "timeZoneName").value; // "GMT", "GMT+05:30", "GMT-03:00"
  const match = /^GMT(?:([+-])(\d\d):(\d\d))?$/.exec(text);
  if (!match) throw new Error(`unexpected offset ${text} for ${zone}`);
  if (!match[1]) return 0;
  return (match[1] === "-" ? -1 : 1) * (Number(match[2]) + Number(match[3]) / 60);
}

// The offset outside the summer in either hemisphere: the smaller of those of
// 15 January and 15 July. Where the rules call the summer offset standard and
// winter's a negative daylight offset (Europe/Dublin), this is still winter's:
// the program's daylight time adds the summer hour. A shift that falls on
// neither day (Africa/Casablanca's month of Ramadan) does not count.
export const standardOffset = (zone) => Math.min(offsetOn(zone, 0, 15), offsetOn(zone, 6, 15));

// Every offset of the year, sampled on the 1st and the 15th of each month.
export function offsetsOfYear(zone) {
  const offsets = new Set();
  for (let month = 0; month < 12; ++month) for (const day of [1, 15]) offsets.add(offsetOn(zone, month, day));
  return [...offsets].sort((a, b) => a - b);
}

// The program's zone choice: quarter hours from -14 to 12, West positive
// (Nepal's -5.75, Chatham's -12.75, Samoa's and Tonga's -13, the Line
// Islands' -14).
export const representable = (east) => Number.isInteger(east * 4) && east >= -12 && east <= 14;

// The zone at a point (latitude North, longitude East positive, degrees) and
// its standard offset. Where zone areas overlap with different offsets
// (Xinjiang's local time beside Beijing time) the point takes the zone of its
// country's capital, the official one, when that is among them. null where
// the zone stays unclear or the point lies in open sea (an Etc/ zone).
export function standardTimeAt(find, latitude, longitude, capitalZone) {
  const zones = find(latitude, longitude);
  if (zones.length === 0 || zones.some((z) => z.startsWith("Etc/"))) return null;
  const offsets = new Set(zones.map(standardOffset));
  if (offsets.size === 1) return { zone: zones[0], east: [...offsets][0], overlap: false };
  if (!zones.includes(capitalZone)) return null;
  return { zone: capitalZone, east: standardOffset(capitalZone), overlap: true };
}

export const utcText = (east) => {
  const minutes = Math.round(Math.abs(east) * 60);
  const hm = `${Math.floor(minutes / 60)}${minutes % 60 ? `:${String(minutes % 60).padStart(2, "0")}` : ""}`;
  return `UTC${east < 0 ? "-" : "+"}${hm}`;
};
