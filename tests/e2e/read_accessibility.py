#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Reads the running program's accessibility tree through AT-SPI, as a screen
reader does, and checks it against vesperon-cli for the same day and place:
the sunrise item, the moon disc and the phase rows; the calendar's selected
cell; and, after the Right key moves the date, the new day's items, the
name-change events that announce them and the selected day's description.

Usage: read_accessibility.py PID WINDOW_ID PATH_TO_VESPERON_CLI"""

import datetime
import re
import subprocess
import sys
import time

import pyatspi
from atspi_support import application, fail, pump

pid, window, cli = int(sys.argv[1]), sys.argv[2], sys.argv[3]


def cli_day(date, *options):
    return subprocess.run([cli, "day", "--date", date.isoformat(), *options], check=True, capture_output=True,
                          text=True).stdout.splitlines()


def moon_row(line):
    """A moon row of vesperon-cli ("  Moonrise :    8:01 AM    37%") as read out."""
    label, rest = [part.strip() for part in line.split(" :", 1)]
    if rest == "None":
        return label + ": none"
    time, _, percent = rest.partition("   ")
    return label + " " + time.strip() + (", %s percent" % percent.strip().rstrip("%") if percent.strip() else "")


def expected_items(date, *options):
    """The texts a screen reader should get for a day, from vesperon-cli."""
    lines = cli_day(date, *options)
    sunrise = next(re.match(r"\s*Sunrise :\s+(.+?)\s*$", l) for l in lines if "Sunrise :" in l).group(1)
    moon = next(re.match(r"Moon at noon: (\d+)% illuminated, (\w+)", l) for l in lines if l.startswith("Moon at noon"))
    phases = [" ".join(l.replace(" : ", " ").split()) for l in lines
              if re.match(r"(New Moon|First Quarter|Full Moon|Last Quarter)\s+:", l)]
    moon_rows = [moon_row(l) for l in lines if re.match(r"\s*(Moonrise|Transit|Moonset) :", l)]
    return {"date": lines[0], "sunrise": "Sunrise " + sunrise, "moon_rows": moon_rows,
            "moon": "Moon %s percent illuminated, %s" % moon.groups(), "phases": phases}


def walk(node, depth=0):
    yield node
    if depth > 12:
        return
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child, depth + 1)


def read(app):
    """What a screen reader finds: the canvas' item names in order, the disc,
    the calendar's selected cell."""
    items, disc, selected = [], None, []
    for node in walk(app):
        role = node.getRole()
        states = node.getState()
        if role == pyatspi.ROLE_LABEL and node.parent is not None and node.parent.getRole() == pyatspi.ROLE_PANEL:
            items.append(node.name)
        elif role == pyatspi.ROLE_IMAGE:
            disc = node.name
        elif role == pyatspi.ROLE_TABLE_CELL and states.contains(pyatspi.STATE_SELECTED):
            selected.append(node.name)
    return items, disc, selected


def check(app, expected):
    items, disc, selected = read(app)
    problems = []
    if expected["date"] not in items:
        problems.append("no date line %r in %r" % (expected["date"], items))
    if expected["sunrise"] not in items:
        problems.append("no sunrise item %r in %r" % (expected["sunrise"], items))
    if not problems and items.index(expected["sunrise"]) < items.index(expected["date"]):
        problems.append("the sunrise item comes before the date line")
    if disc != expected["moon"]:
        problems.append("the moon disc reads %r, not %r" % (disc, expected["moon"]))
    moon_rows = [i for i in items if re.match(r"(Moonrise|Transit|Moonset)\b", i)]
    if moon_rows != expected["moon_rows"]:
        problems.append("the moon rows read %r, not %r" % (moon_rows, expected["moon_rows"]))
    phases = [i for i in items if re.match(r"(New Moon|First Quarter|Full Moon|Last Quarter) ", i)]
    if phases != expected["phases"]:
        problems.append("the phase rows read %r, not %r" % (phases, expected["phases"]))
    if selected != [expected["date"]]:
        problems.append("the calendar's selected cell is %r, not %r" % (selected, expected["date"]))
    return problems


def wait_for(app, expected, what):
    deadline = time.monotonic() + 10
    while True:
        problems = check(app, expected)
        if not problems:
            return
        if time.monotonic() > deadline:
            fail(what + ": " + "; ".join(problems))
        pump(0.1)


today = datetime.date.today()
app = application(pid)
wait_for(app, expected_items(today), "today's day view")

# The Right key moves the date a day on; the bridge announces the new texts.
names_told = []
listener = lambda event: names_told.append(event.source.name if event.source is not None else "")
pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
pump(0.5)
subprocess.run(["xdotool", "windowactivate", "--sync", window], check=False, capture_output=True)
subprocess.run(["xdotool", "key", "--clearmodifiers", "Right"], check=True)
tomorrow = expected_items(today + datetime.timedelta(days=1))
wait_for(app, tomorrow, "the day view after the Right key")
deadline = time.monotonic() + 5
while tomorrow["date"] not in names_told and time.monotonic() < deadline:
    pump(0.1)
if tomorrow["date"] not in names_told:
    fail("no name change announced the new date line; told: %r" % names_told)

# The selected day is described by the day in short: its sunrise and its Moon.
described = [node.description for node in walk(app)
             if node.getRole() == pyatspi.ROLE_TABLE_CELL and node.getState().contains(pyatspi.STATE_SELECTED)]
if len(described) != 1 or tomorrow["sunrise"] not in described[0] or tomorrow["moon"] not in described[0]:
    fail("the selected day is described as %r, without %r and %r" % (described, tomorrow["sunrise"], tomorrow["moon"]))

# An option changes the rows as well: Options, Moon Transit takes the transit
# row away.
subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "100", "alt+o", "t"], check=True)
wait_for(app, expected_items(today + datetime.timedelta(days=1), "--no-transit"), "the day view without the transit")
print("read through AT-SPI: %s; %s; %s" % (tomorrow["date"], tomorrow["sunrise"], tomorrow["moon"]))
