#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes the frozen reference tables that tests/astro/reference_test.cpp
compares Vesperon's times with.

PyEphem (Debian python3-ephem) stands in for the U.S. Naval Observatory's
tables and is used with the Observatory's conventions: no refraction model
(pressure 0) and elevation 0; sunrise, sunset, moonrise and moonset when the
upper limb stands at -0:34 (the Moon seen from the observer, not the Earth's
centre); twilight when the Sun's centre is at -6, -12 or -18 degrees;
transits by next_transit; phases by next_new_moon and its kin. The
high-latitude table finds rises, sets and twilights by scanning the
altitude through the local day instead (see scan_crossings).

Usage: tools/reference_ephemeris.py [OUTPUT_FOLDER]   (default tests/data)
"""

import csv
import datetime
import math
import random
import sys
from pathlib import Path

import ephem

# name, latitude (North +), longitude (West +), zone (hours, West +): the
# program's own signs. The equator to 65 degrees both ways, every continent's
# zones, half-hour zones and places far from their zone's meridian.
PLACES = [
    ("Quito", -0.22, 78.51, 5),
    ("Singapore", 1.35, -103.82, -8),
    ("Honolulu", 21.31, 157.86, 10),
    ("Mumbai", 19.08, -72.88, -5.5),
    ("Los Angeles", 34.05, 118.24, 8),
    ("Tokyo", 35.68, -139.69, -9),
    ("New York", 40.71, 74.01, 5),
    ("Greenwich", 51.48, 0.0, 0),
    ("Anchorage", 61.22, 149.90, 9),
    ("Reykjavik", 64.15, 21.94, 0),
    ("Cape Town", -33.92, -18.42, -2),
    ("Sydney", -33.87, -151.21, -10),
    ("Auckland", -36.85, -174.76, -12),
    ("Adelaide", -34.93, -138.60, -9.5),
    ("Ushuaia", -54.80, 68.30, 3),
    ("Palmer Station", -64.77, 64.05, 3),
]
DATES_PER_PLACE = 48
# Every day of one year at places from 60 to 80 degrees North and South, where
# the Moon can stay up or down all day and grazes the horizon for days on end.
HIGH_LATITUDE_PLACES = [
    ("Helsinki", 60.17, -24.94, -2),
    ("Reykjavik", 64.13, 21.93, 0),
    ("Fairbanks", 64.84, 147.72, 9),
    ("Tromso", 69.65, -18.96, -1),
    ("Utqiagvik", 71.29, 156.79, 9),
    ("Longyearbyen", 78.22, -15.65, -1),
    ("Palmer Station", -64.77, 64.05, 3),
    ("Rothera", -67.57, 68.13, 3),
    ("Davis", -68.58, -77.97, -7),
    ("McMurdo", -77.85, -166.67, -12),
]
HIGH_LATITUDE_YEAR = 2026
PHASE_DATES = 60
FIRST = datetime.date(1900, 1, 1)
LAST = datetime.date(2100, 12, 31)
SEED = 11

EVENT_COLUMNS = [
    "sunrise", "sun_transit", "sunset",
    "astronomical_begin", "astronomical_end",
    "nautical_begin", "nautical_end",
    "civil_begin", "civil_end",
    "moonrise", "moon_transit", "moonset",
]


def observer(lat, lon_west):
    o = ephem.Observer()
    o.lat = str(lat)
    o.lon = str(-lon_west)
    o.elevation = 0
    o.pressure = 0
    return o


def minutes_in_day(event, start):
    """Minutes from local midnight (start) to the event, or "none" when it
    falls after the local day."""
    if event is None or event >= start + 1:
        return "none"
    return f"{(event - start) * 1440:.2f}"


def crossing(o, body, start, horizon, use_center, rising):
    o.horizon = horizon
    try:
        find = o.next_rising if rising else o.next_setting
        return find(body, start=start, use_center=use_center)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return None


def day_events(lat, lon_west, zone, date):
    o = observer(lat, lon_west)
    # Local midnight in Universal Time: the zone is added to the clock time.
    start = ephem.Date(datetime.datetime(date.year, date.month, date.day) + datetime.timedelta(hours=zone))
    o.date = start
    sun, moon = ephem.Sun(), ephem.Moon()
    values = {}
    values["sunrise"] = crossing(o, sun, start, "-0:34", False, True)
    values["sunset"] = crossing(o, sun, start, "-0:34", False, False)
    o.horizon = "0"
    values["sun_transit"] = o.next_transit(sun, start=start)
    for name, altitude in (("astronomical", "-18"), ("nautical", "-12"), ("civil", "-6")):
        values[name + "_begin"] = crossing(o, sun, start, altitude, True, True)
        values[name + "_end"] = crossing(o, sun, start, altitude, True, False)
    values["moonrise"] = crossing(o, moon, start, "-0:34", False, True)
    values["moonset"] = crossing(o, moon, start, "-0:34", False, False)
    o.horizon = "0"
    values["moon_transit"] = o.next_transit(moon, start=start)
    return [minutes_in_day(values[c], start) for c in EVENT_COLUMNS]


def random_dates(rng, count):
    span = (LAST - FIRST).days
    return sorted(FIRST + datetime.timedelta(days=rng.randrange(span + 1)) for _ in range(count))


def write_events(path, rng):
    with open(path, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["place", "latitude", "longitude", "zone", "date"] + EVENT_COLUMNS)
        for name, lat, lon_west, zone in PLACES:
            for date in random_dates(rng, DATES_PER_PLACE):
                w.writerow([name, lat, lon_west, zone, date.isoformat()] + day_events(lat, lon_west, zone, date))


# Minutes between the altitude samples of the scan, and the bisection's end.
SCAN_STEP_MINUTES = 10
SCAN_PRECISION_DAYS = 0.1 / 86400


def altitude_above(o, body, when, horizon_degrees, use_center):
    """The body's altitude (degrees) less the horizon's, the upper limb's when
    use_center is false: positive while the body is above it."""
    o.date = when
    body.compute(o)
    altitude = math.degrees(body.alt) + (0 if use_center else math.degrees(body.radius))
    return altitude - horizon_degrees


def scan_crossings(o, body, start, horizon_degrees, use_center):
    """The first rising and the first setting within the local day from start,
    found by sampling the altitude and bisecting each change of sign: unlike
    next_rising it cannot take a body that is up (or down) at one instant for
    one that is up (or down) all day."""
    step = SCAN_STEP_MINUTES / 1440
    samples = round(1 / step)
    found = {True: None, False: None}
    t0, a0 = start, altitude_above(o, body, start, horizon_degrees, use_center)
    for k in range(1, samples + 1):
        t1 = start + k * step
        a1 = altitude_above(o, body, t1, horizon_degrees, use_center)
        if (a0 >= 0) != (a1 >= 0):
            rising = a1 >= 0
            lo, hi, alo = t0, t1, a0
            while hi - lo > SCAN_PRECISION_DAYS:
                mid = (lo + hi) / 2
                amid = altitude_above(o, body, mid, horizon_degrees, use_center)
                if (amid >= 0) == (alo >= 0):
                    lo, alo = mid, amid
                else:
                    hi = mid
            if found[rising] is None:
                found[rising] = (lo + hi) / 2
        t0, a0 = t1, a1
    return found[True], found[False]


def scanned_day_events(lat, lon_west, zone, date):
    o = observer(lat, lon_west)
    start = ephem.Date(datetime.datetime(date.year, date.month, date.day) + datetime.timedelta(hours=zone))
    sun, moon = ephem.Sun(), ephem.Moon()
    values = {}
    values["sunrise"], values["sunset"] = scan_crossings(o, sun, start, -34 / 60, False)
    for name, altitude in (("astronomical", -18), ("nautical", -12), ("civil", -6)):
        values[name + "_begin"], values[name + "_end"] = scan_crossings(o, sun, start, altitude, True)
    values["moonrise"], values["moonset"] = scan_crossings(o, moon, start, -34 / 60, False)
    o.horizon = "0"
    values["sun_transit"] = o.next_transit(sun, start=start)
    values["moon_transit"] = o.next_transit(moon, start=start)
    return [minutes_in_day(values[c], start) for c in EVENT_COLUMNS]


def write_high_latitude_events(path):
    first = datetime.date(HIGH_LATITUDE_YEAR, 1, 1)
    days = (datetime.date(HIGH_LATITUDE_YEAR + 1, 1, 1) - first).days
    with open(path, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["place", "latitude", "longitude", "zone", "date"] + EVENT_COLUMNS)
        for name, lat, lon_west, zone in HIGH_LATITUDE_PLACES:
            for day in range(days):
                date = first + datetime.timedelta(days=day)
                w.writerow([name, lat, lon_west, zone, date.isoformat()] + scanned_day_events(lat, lon_west, zone, date))


def write_phases(path, rng):
    kinds = (("New Moon", ephem.next_new_moon), ("First Quarter", ephem.next_first_quarter_moon),
             ("Full Moon", ephem.next_full_moon), ("Last Quarter", ephem.next_last_quarter_moon))
    rows = set()  # dates a few days apart find the same phases
    for date in random_dates(rng, PHASE_DATES):
        for name, find in kinds:
            when = find(ephem.Date(datetime.datetime(date.year, date.month, date.day)))
            t = when.datetime()
            minutes = (t - datetime.datetime(t.year, t.month, t.day)).total_seconds() / 60
            rows.add((t.date().isoformat(), f"{minutes:.2f}", name))
    with open(path, "w", newline="") as f:
        w = csv.writer(f, lineterminator="\n")
        w.writerow(["date", "minutes_ut", "phase"])
        w.writerows(sorted(rows))


def main():
    out = Path(sys.argv[1] if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "tests" / "data")
    rng = random.Random(SEED)
    write_events(out / "reference_events.csv", rng)
    write_phases(out / "reference_phases.csv", rng)
    write_high_latitude_events(out / "reference_high_latitude.csv")
    print(f"PyEphem {ephem.__version__}: wrote reference_events.csv, reference_phases.csv and "
          f"reference_high_latitude.csv in {out}")


if __name__ == "__main__":
    main()
