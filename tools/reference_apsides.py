#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/data/reference_apsides.csv, the frozen table of the Moon's
perigees and apogees that tests/sky_events/sky_events_reference_test.cpp
compares Vesperon's with.

The Earth-Moon centre distance comes from the Swiss Ephemeris (Debian swetest
and swe-basic-data: semo_18.se1 covers 1800 to 2400, compressed from JPL's
DE431): the true geometric distance (-true: no light time, no aberration),
which is also what PyEphem's earth_distance is. For
every fourth year of 1900 to 2100 the script samples the distance every hour
in Terrestrial Time, and refines each extreme with samples a minute apart and
the parabola through the best three.

Columns: kind, utc and jd_ut (Universal Time by the Swiss Ephemeris's own
Delta T), jd_tt (Terrestrial Time: the instant the test compares, so that it
measures the distance and not two models of the Earth's rotation) and
distance_km.

Usage: tools/reference_apsides.py [OUTPUT_FOLDER]   (default tests/data)
"""

import csv
import datetime
import re
import subprocess
import sys
from pathlib import Path

FIRST_YEAR, LAST_YEAR, YEAR_STEP = 1900, 2100, 4
HOUR, MINUTE = 1 / 24, 1 / 1440
J2000 = 2451545.0


def swetest(*arguments):
    return subprocess.run(["swetest", "-p1", "-eswe", "-true", *arguments], check=True, capture_output=True,
                          text=True).stdout


def distances_km(first_jd_tt, count, step_days):
    """The Earth-Moon centre distance, km, at first_jd_tt + i * step_days (TT)."""
    lines = swetest("-bj%.8f" % first_jd_tt, "-fw", "-n%d" % count, "-s%.12f" % step_days, "-head").split()
    values = [float(line) for line in lines]
    if len(values) != count:
        raise RuntimeError("swetest gave %d distances, not %d" % (len(values), count))
    return values


def delta_t_days(jd_tt):
    match = re.search(r"delta t:\s*(-?[0-9.]+) sec", swetest("-bj%.8f" % jd_tt, "-fw", "-n1"))
    if not match:
        raise RuntimeError("no Delta T in swetest's header at JD %.5f" % jd_tt)
    return float(match.group(1)) / 86400


def julian_day_of_new_year(year):
    return J2000 - 0.5 + (datetime.date(year, 1, 1) - datetime.date(2000, 1, 1)).days


def parabola_vertex(before, middle, after, h):
    """Offset of the vertex of the parabola through (-h, before), (0, middle), (h, after), and its value."""
    curvature = before - 2 * middle + after
    offset = 0.5 * h * (before - after) / curvature
    return offset, middle - (before - after) ** 2 / (8 * curvature)


def refined(around_jd_tt, sign):
    """The extreme (sign 1 least, -1 greatest) within 75 minutes of an instant: (jd_tt, km)."""
    first = around_jd_tt - 75 * MINUTE
    values = distances_km(first, 151, MINUTE)
    best = min(range(1, 150), key=lambda i: sign * values[i])
    offset, km = parabola_vertex(values[best - 1], values[best], values[best + 1], MINUTE)
    return first + best * MINUTE + offset, km


def utc_text(jd_ut):
    instant = datetime.datetime(2000, 1, 1, 12) + datetime.timedelta(days=jd_ut - J2000)
    return (instant + datetime.timedelta(microseconds=500000)).strftime("%Y-%m-%dT%H:%M:%SZ")


def apsides_of(year):
    start, end = julian_day_of_new_year(year), julian_day_of_new_year(year + 1)
    first = start - 2  # TT, a margin for Delta T and the hourly neighbours
    values = distances_km(first, int((end - start + 4) / HOUR), HOUR)
    for i in range(1, len(values) - 1):
        for kind, sign in (("perigee", 1), ("apogee", -1)):
            if sign * values[i] < sign * values[i - 1] and sign * values[i] <= sign * values[i + 1]:
                jd_tt, km = refined(first + i * HOUR, sign)
                jd_ut = jd_tt - delta_t_days(jd_tt)
                if start <= jd_ut < end:
                    yield {"kind": kind, "utc": utc_text(jd_ut), "jd_ut": "%.6f" % jd_ut, "jd_tt": "%.6f" % jd_tt,
                           "distance_km": "%.1f" % km}


def main():
    folder = Path(sys.argv[1] if len(sys.argv) > 1 else "tests/data")
    with open(folder / "reference_apsides.csv", "w", newline="") as out:
        writer = csv.DictWriter(out, fieldnames=["kind", "utc", "jd_ut", "jd_tt", "distance_km"],
                                lineterminator="\n")
        writer.writeheader()
        for year in range(FIRST_YEAR, LAST_YEAR + 1, YEAR_STEP):
            writer.writerows(apsides_of(year))


if __name__ == "__main__":
    main()
