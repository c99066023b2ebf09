#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/data/reference_solar_eclipses.csv: every solar eclipse of
1900 to 2100 seen from ten places, as PyEphem's Sun and Moon show it from
there, for tests/sky_events/solar_eclipse_local_test.cpp.

The script samples the topocentric Sun and Moon of PyEphem (Debian
python3-ephem) around each new moon, with the observer's pressure at 0 so that
no refraction model bends the two bodies (refraction lifts both by the same
amount to within a fraction of an arc second, so it cannot move a contact,
and the altitudes stay geometric, as the program gives them). Height 0.

- Radii: the Moon's is k = 0.2725076 equatorial Earth radii (the IAU 1982
  value, the one Besselian elements use for every contact) seen at its
  topocentric distance; the Sun's is 959.63 arc seconds at 1 AU (IAU).
- Greatest eclipse: the least topocentric separation of the centres.
- Contacts: separation = sum of the radii (C1, C4) or their difference (C2,
  C3), bisected to a tenth of a second.
- Magnitude: the fraction of the Sun's diameter covered, or the ratio of the
  diameters where the eclipse is total or annular there. Obscuration: the
  area of the lens the two discs share over the Sun's area.
- Seen: some instant between C1 and C4 has the Sun's upper limb above the
  horizon as sunrise defines it (centre at -0:50, geometric).

Usage: tools/solar_eclipse_reference.py [OUTPUT_FOLDER]   (default tests/data)
"""

import csv
import math
import sys
from pathlib import Path

import ephem

# name, latitude (North +), longitude (West +): the program's own signs.
# Casper and Dallas lie on total paths (2017-08-21, 2024-04-08), Albuquerque
# and Tokyo on annular ones (2012-05-20/21, 2023-10-14), Sydney (2028-07-22)
# and Reykjavik (2026-08-12, a low Sun) on total ones to come.
PLACES = [
    ("Casper", 42.8666, 106.3131),
    ("Dallas", 32.7767, 96.7970),
    ("Albuquerque", 35.0844, 106.6504),
    ("Tokyo", 35.6762, -139.6503),
    ("Sydney", -33.8688, -151.2093),
    ("Reykjavik", 64.1466, 21.9426),
    ("Greenwich", 51.4769, 0.0),
    ("Quito", -0.1807, 78.4678),
    ("Cape Town", -33.9249, -18.4241),
    ("Mumbai", 19.0760, -72.8777),
]
FIRST, LAST = "1900/1/1", "2101/1/1"

K_MOON = 0.2725076
EARTH_RADIUS_KM = 6378.14
AU_KM = 149597870.7
SUN_RADIUS_AT_1_AU = math.radians(959.63 / 3600)
SUNRISE_ALTITUDE = math.radians(-50 / 60)

# Half the span searched around each new moon, and its sampling step (days).
HALF_SPAN = 5 / 24
STEP = 10 / 1440
PRECISION = 0.1 / 86400
# A new moon whose Moon is farther than this from the ecliptic (geocentric)
# casts no shadow anywhere: parallax plus both radii stay below 1.6 degrees.
CANDIDATE_LATITUDE = math.radians(1.65)


def observer(lat, lon_west):
    o = ephem.Observer()
    o.lat = str(lat)
    o.lon = str(-lon_west)
    o.elevation = 0
    o.pressure = 0
    return o


class Sky:
    """The topocentric Sun and Moon at one place."""

    def __init__(self, lat, lon_west):
        self.o = observer(lat, lon_west)
        self.sun, self.moon = ephem.Sun(), ephem.Moon()

    def at(self, t):
        """(separation, Sun's radius, Moon's radius, Sun's altitude), radians."""
        self.o.date = t
        self.sun.compute(self.o)
        self.moon.compute(self.o)
        separation = float(ephem.separation((self.sun.ra, self.sun.dec), (self.moon.ra, self.moon.dec)))
        sun_radius = SUN_RADIUS_AT_1_AU / self.sun.earth_distance
        # Computed for an observer, earth_distance is the topocentric distance.
        moon_radius = math.asin(K_MOON * EARTH_RADIUS_KM / (self.moon.earth_distance * AU_KM))
        return separation, sun_radius, moon_radius, float(self.sun.alt)


def bisect(f, lo, hi):
    """The root of f between lo and hi, where f changes sign."""
    flo = f(lo)
    while hi - lo > PRECISION:
        mid = (lo + hi) / 2
        fmid = f(mid)
        if (fmid > 0) == (flo > 0):
            lo, flo = mid, fmid
        else:
            hi = mid
    return (lo + hi) / 2


def least_separation(sky, lo, hi):
    """Golden-section search for the least separation between lo and hi."""
    g = (math.sqrt(5) - 1) / 2
    a, b = lo, hi
    c, d = b - g * (b - a), a + g * (b - a)
    fc, fd = sky.at(c)[0], sky.at(d)[0]
    while b - a > PRECISION:
        if fc < fd:
            b, d, fd = d, c, fc
            c = b - g * (b - a)
            fc = sky.at(c)[0]
        else:
            a, c, fc = c, d, fd
            d = a + g * (b - a)
            fd = sky.at(d)[0]
    return (a + b) / 2


def lens_fraction(separation, sun_radius, moon_radius):
    """The share of the Sun's disc area that the Moon's disc covers."""
    d, r, s = separation, sun_radius, moon_radius
    if d >= r + s:
        return 0.0
    if d <= abs(s - r):
        return min(1.0, (s / r) ** 2)
    a = r * r * math.acos((d * d + r * r - s * s) / (2 * d * r))
    b = s * s * math.acos((d * d + s * s - r * r) / (2 * d * s))
    c = 0.5 * math.sqrt((-d + r + s) * (d + r - s) * (d - r + s) * (d + r + s))
    return (a + b - c) / (math.pi * r * r)


def local_eclipse(sky, new_moon):
    """The eclipse seen around new_moon, or None."""
    times = [new_moon - HALF_SPAN + k * STEP for k in range(round(2 * HALF_SPAN / STEP) + 1)]
    separations = [sky.at(t)[0] for t in times]
    k = min(range(len(times)), key=separations.__getitem__)
    greatest = least_separation(sky, times[max(k - 1, 0)], times[min(k + 1, len(times) - 1)])
    separation, sun_radius, moon_radius, altitude = sky.at(greatest)
    if separation >= sun_radius + moon_radius:
        return None
    outer = lambda t: (lambda s: s[0] - s[1] - s[2])(sky.at(t))
    inner = lambda t: (lambda s: s[0] - abs(s[1] - s[2]))(sky.at(t))
    assert outer(times[0]) > 0 and outer(times[-1]) > 0, ephem.Date(new_moon)
    contacts = {"c1": bisect(outer, times[0], greatest), "c4": bisect(outer, greatest, times[-1])}
    if separation < abs(sun_radius - moon_radius):
        contacts["c2"] = bisect(inner, contacts["c1"], greatest)
        contacts["c3"] = bisect(inner, greatest, contacts["c4"])
        kind = "total" if moon_radius > sun_radius else "annular"
        magnitude = moon_radius / sun_radius
    else:
        kind = "partial"
        magnitude = (sun_radius + moon_radius - separation) / (2 * sun_radius)
    # Seen when the Sun is up at some instant of the partial phase.
    span = contacts["c4"] - contacts["c1"]
    samples = [contacts["c1"] + span * j / 100 for j in range(101)]
    if max(sky.at(t)[3] for t in samples) <= SUNRISE_ALTITUDE:
        return None
    row = {"type": kind, "greatest": greatest, "magnitude": magnitude,
           "obscuration": lens_fraction(separation, sun_radius, moon_radius), "altitude": altitude}
    for name, t in contacts.items():
        row[name] = t
        row[name + "_altitude"] = sky.at(t)[3]
    return row


def candidate_new_moons():
    """New moons whose Moon passes near enough to the Sun to eclipse it somewhere."""
    moon, found = ephem.Moon(), []
    t = ephem.next_new_moon(FIRST)
    while t < ephem.Date(LAST):
        moon.compute(t)
        if abs(ephem.Ecliptic(moon).lat) < CANDIDATE_LATITUDE:
            found.append(float(t))
        t = ephem.next_new_moon(t + 1)
    return found


def stamp(t):
    if t is None:
        return ""
    y, mo, d, h, mi, s = ephem.Date(ephem.Date(t) + 0.5 / 86400).tuple()
    return f"{y:04d}-{mo:02d}-{d:02d}T{h:02d}:{mi:02d}:{int(s):02d}"


def degrees(a):
    return "" if a is None else f"{math.degrees(a):.3f}"


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "tests" / "data"
    new_moons = candidate_new_moons()
    with open(folder / "reference_solar_eclipses.csv", "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["place", "latitude", "longitude", "type", "greatest", "magnitude", "obscuration",
                    "altitude", "c1", "c1_altitude", "c2", "c2_altitude", "c3", "c3_altitude", "c4",
                    "c4_altitude", "delta_t"])
        for name, lat, lon_west in PLACES:
            sky = Sky(lat, lon_west)
            for new_moon in new_moons:
                row = local_eclipse(sky, new_moon)
                if row is None:
                    continue
                w.writerow([name, lat, lon_west, row["type"], stamp(row["greatest"]), f"{row['magnitude']:.4f}",
                            f"{row['obscuration']:.4f}", degrees(row["altitude"])] +
                           [x for c in ("c1", "c2", "c3", "c4")
                            for x in (stamp(row.get(c)), degrees(row.get(c + "_altitude")))] +
                           [f"{ephem.delta_t(row['greatest']):.1f}"])
            f.flush()


if __name__ == "__main__":
    main()
