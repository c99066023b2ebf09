#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/data/reference_sky_events.csv, the frozen table that
tests/sky_events/sky_events_reference_test.cpp compares Vesperon's seasons
and lunar eclipses with (the perigees and apogees are in
tools/reference_apsides.py: PyEphem's Moon puts them some 8 minutes late).

PyEphem (Debian python3-ephem) supplies the Sun and the Moon:

- seasons 1900-2100 from next_vernal_equinox and its kin;
- lunar eclipses 1900-2100 by sampling: near each full moon the least
  separation of the Moon's centre from the antisolar point (apparent
  geocentric places), the Earth's shadows enlarged by Danjon's rule (1 % of
  the Moon's parallax), magnitudes and type from that, contacts where the
  Moon's limb meets a shadow's edge, and the Moon's topocentric altitude at
  Greenwich (centre, no refraction) at greatest eclipse.

Instants are Julian Days in UT (PyEphem's own Delta T).

Usage: tools/reference_sky_events.py [OUTPUT_FOLDER]   (default tests/data)
"""

import csv
import math
import sys
from pathlib import Path

import ephem

KM_PER_AU = 149597870.7
EARTH_RADIUS_KM = 6378.14
MOON_RADIUS_IN_EARTH_RADII = 0.272488
SUN_RADIUS_KM = 696000.0
DUBLIN_TO_JD = 2415020.0  # ephem.Date counts days from 1899-12-31 12:00
FIRST_YEAR, LAST_YEAR = 1900, 2100


def jd(date):
    return float(date) + DUBLIN_TO_JD


def utc_text(date):
    return ephem.Date(date).datetime().strftime("%Y-%m-%dT%H:%M:%SZ")


def golden_minimum(f, a, b, tolerance=1e-6):
    ratio = (math.sqrt(5) - 1) / 2
    x1, x2 = b - ratio * (b - a), a + ratio * (b - a)
    f1, f2 = f(x1), f(x2)
    while b - a > tolerance:
        if f1 < f2:
            b, x2, f2 = x2, x1, f1
            x1 = b - ratio * (b - a)
            f1 = f(x1)
        else:
            a, x1, f1 = x1, x2, f2
            x2 = a + ratio * (b - a)
            f2 = f(x2)
    return (a + b) / 2


def bisect_root(f, a, b, tolerance=1e-6):
    fa = f(a)
    while b - a > tolerance:
        m = (a + b) / 2
        fm = f(m)
        if (fm < 0) == (fa < 0):
            a, fa = m, fm
        else:
            b = m
    return (a + b) / 2


def seasons():
    finders = [("march-equinox", ephem.next_vernal_equinox), ("june-solstice", ephem.next_summer_solstice),
               ("september-equinox", ephem.next_autumnal_equinox),
               ("december-solstice", ephem.next_winter_solstice)]
    for year in range(FIRST_YEAR, LAST_YEAR + 1):
        for kind, finder in finders:
            date = finder(ephem.Date("%d/1/1" % year))
            yield {"kind": kind, "utc": utc_text(date), "jd_ut": "%.6f" % jd(date)}


SUN, MOON = ephem.Sun(), ephem.Moon()


def shadow(date):
    """Separation, Moon radius, umbra and penumbra radii, radians."""
    SUN.compute(date)
    MOON.compute(date)
    separation = ephem.separation((SUN.g_ra + math.pi, -SUN.g_dec), (MOON.g_ra, MOON.g_dec))
    moon_km, sun_km = MOON.earth_distance * KM_PER_AU, SUN.earth_distance * KM_PER_AU
    moon_parallax = math.asin(EARTH_RADIUS_KM / moon_km)
    sun_parallax = math.asin(EARTH_RADIUS_KM / sun_km)
    sun_radius = math.asin(SUN_RADIUS_KM / sun_km)
    moon_radius = math.asin(MOON_RADIUS_IN_EARTH_RADII * EARTH_RADIUS_KM / moon_km)
    return (float(separation), moon_radius, 1.01 * moon_parallax + sun_parallax - sun_radius,
            1.01 * moon_parallax + sun_parallax + sun_radius)


EDGES = {  # the overlap of the Moon's limb and a shadow's edge, radians
    "p": lambda s: s[3] + s[1] - s[0],
    "u": lambda s: s[2] + s[1] - s[0],
    "t": lambda s: s[2] - s[1] - s[0],
}


def lunar_eclipses():
    greenwich = ephem.Observer()
    greenwich.lat, greenwich.lon, greenwich.elevation, greenwich.pressure = "51.48", "0", 0, 0
    date = ephem.Date("%d/1/1" % FIRST_YEAR)
    end = ephem.Date("%d/1/1" % (LAST_YEAR + 1))
    while True:
        full = ephem.next_full_moon(date)
        if full >= end:
            return
        date = ephem.Date(full + 1)
        greatest = golden_minimum(lambda t: shadow(t)[0], full - 0.2, full + 0.2)
        at = shadow(greatest)
        penumbral = EDGES["p"](at) / (2 * at[1])
        if penumbral <= 0:
            continue
        umbral = EDGES["u"](at) / (2 * at[1])
        row = {"kind": "lunar-eclipse", "utc": utc_text(greatest), "jd_ut": "%.6f" % jd(greatest),
               "type": "total" if umbral >= 1 else "partial" if umbral > 0 else "penumbral",
               "umbral_magnitude": "%.4f" % umbral, "penumbral_magnitude": "%.4f" % penumbral}
        for edge, (before, after) in {"p": ("p1", "p4"), "u": ("u1", "u4"), "t": ("u2", "u3")}.items():
            if EDGES[edge](at) > 0:
                overlap = lambda t, e=edge: EDGES[e](shadow(t))
                row[before] = "%.6f" % jd(bisect_root(overlap, greatest - 0.3, greatest))
                row[after] = "%.6f" % jd(bisect_root(overlap, greatest, greatest + 0.3))
        greenwich.date = greatest
        MOON.compute(greenwich)
        row["moon_altitude_greenwich"] = "%.4f" % math.degrees(MOON.alt)
        yield row


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "tests/data")
    fields = ["kind", "utc", "jd_ut", "type", "umbral_magnitude", "penumbral_magnitude", "p1", "u1", "u2", "u3",
              "u4", "p4", "moon_altitude_greenwich"]
    rows = sorted([*seasons(), *lunar_eclipses()], key=lambda r: float(r["jd_ut"]))
    with open(folder / "reference_sky_events.csv", "w", newline="") as out:
        writer = csv.DictWriter(out, fieldnames=fields, lineterminator="\n")
        writer.writeheader()
        writer.writerows(rows)


if __name__ == "__main__":
    main()
