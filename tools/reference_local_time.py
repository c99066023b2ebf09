#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Writes tests/data/reference_local_time.csv: sunrise and sunset on the wall
clock of the place for every day of one year, which tests/month/
local_time_reference_test.cpp compares Local Time with.

The Sun comes from PyEphem (Debian python3-ephem) with the conventions of
tools/reference_ephemeris.py (pressure 0, elevation 0, the upper limb at
-0:34); the clocks from Python's zoneinfo on the system's tz database
(Debian tzdata), independent of Qt. A wall-clock day runs from the clocks'
00:00 of the date to their next 00:00, 23 or 25 hours where they change; an
event is the first of its kind in that span, given as minutes from the
clocks' 00:00 as they read it (hours * 60 + minutes), with the offset from UT
in force at it.

Usage: tools/reference_local_time.py [OUTPUT_FOLDER]   (default tests/data)
"""

import csv
import datetime
import sys
from pathlib import Path
from zoneinfo import ZoneInfo

import ephem

from reference_ephemeris import observer

YEAR = 2026
# name, latitude (North +), longitude (West +), IANA zone: clock changes in
# both hemispheres, a half-hour change (Lord Howe), half- and quarter-hour
# standard times, +13 and +14, and daylight time suspended for a month
# (Casablanca's Ramadan).
PLACES = [
    ("London", 51.51, 0.13, "Europe/London"),
    ("New York", 40.71, 74.01, "America/New_York"),
    ("Sydney", -33.87, -151.21, "Australia/Sydney"),
    ("Santiago", -33.45, 70.67, "America/Santiago"),
    ("Lord Howe Island", -31.55, -159.08, "Australia/Lord_Howe"),
    ("Kathmandu", 27.72, -85.32, "Asia/Kathmandu"),
    ("Chatham", -43.95, 176.56, "Pacific/Chatham"),
    ("Eucla", -31.68, -128.88, "Australia/Eucla"),
    ("Apia", -13.83, 171.77, "Pacific/Apia"),
    ("Kiritimati", 1.87, 157.43, "Pacific/Kiritimati"),
    ("Casablanca", 33.57, 7.59, "Africa/Casablanca"),
]
UTC = datetime.timezone.utc




def wall_midnight_utc(date, zone):
    """The UT instant the clocks first read a time of `date`."""
    local = datetime.datetime(date.year, date.month, date.day, tzinfo=zone)
    instant = local.astimezone(UTC)
    # Where the clocks skip midnight, zoneinfo lands after the gap: step back
    # while the minute before still reads the same date.
    while (instant - datetime.timedelta(minutes=1)).astimezone(zone).date() == date:
        instant -= datetime.timedelta(minutes=1)
    return instant


def wall_event(o, rising, start, end, zone):
    find = o.next_rising if rising else o.next_setting
    try:
        event = find(ephem.Sun(), start=ephem.Date(start.replace(tzinfo=None)), use_center=False)
    except (ephem.AlwaysUpError, ephem.NeverUpError):
        return "none", ""
    instant = ephem.Date(event).datetime().replace(tzinfo=UTC)
    if instant >= end:
        return "none", ""
    local = instant.astimezone(zone)
    minutes = local.hour * 60 + local.minute + (local.second + local.microsecond / 1e6) / 60
    offset = int(local.utcoffset().total_seconds() // 60)
    return f"{minutes:.2f}", str(offset)


def main():
    folder = Path(sys.argv[1]) if len(sys.argv) > 1 else Path(__file__).resolve().parent.parent / "tests" / "data"
    with open(folder / "reference_local_time.csv", "w", newline="") as f:
        out = csv.writer(f, lineterminator="\n")
        out.writerow(["place", "latitude", "longitude", "zone", "date", "sunrise", "sunrise_offset", "sunset",
                      "sunset_offset"])
        for name, lat, lon_west, zone_name in PLACES:
            zone = ZoneInfo(zone_name)
            o = observer(lat, lon_west)
            o.horizon = "-0:34"
            date = datetime.date(YEAR, 1, 1)
            while date.year == YEAR:
                start = wall_midnight_utc(date, zone)
                end = wall_midnight_utc(date + datetime.timedelta(days=1), zone)
                rise = wall_event(o, True, start, end, zone)
                set_ = wall_event(o, False, start, end, zone)
                out.writerow([name, lat, lon_west, zone_name, date.isoformat(), *rise, *set_])
                date += datetime.timedelta(days=1)


if __name__ == "__main__":
    main()
