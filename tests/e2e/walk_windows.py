#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Every window and panel of the program as a keyboard and screen reader user
meets it, read through AT-SPI with a focus listener: each opens with the
focus on one of its controls, Tab and Shift+Tab go round its controls (each
with a name and a role, none a trap), and each closes with the focus back on
the selected day's cell. Also the month table read through the table
interface, F10, and the status bar's clock.

Usage: walk_windows.py PATH_TO_VESPERON PATH_TO_VESPERON_CLI"""

import datetime
import re
import subprocess
import sys
import time

import pyatspi
from atspi_support import Focus, application, fail, key, pump

program, cli = sys.argv[1], sys.argv[2]

# A menu item that is checked or not (a check box or radio button in its menu).
CHECKABLE_ITEM_ROLES = {pyatspi.ROLE_CHECK_MENU_ITEM, pyatspi.ROLE_RADIO_MENU_ITEM, pyatspi.ROLE_CHECK_BOX,
                        pyatspi.ROLE_RADIO_BUTTON}

# What a screen reader can say a focused control is.
CONTROL_ROLES = {"push button", "combo box", "text", "table cell", "table", "radio button", "check box",
                 "spin button", "list", "list item", "link", "toggle button", "page tab",
                 "label"}  # a read-only text, such as the help topic, read through its text


def cli_lines(*arguments):
    return subprocess.run([cli, *arguments], check=True, capture_output=True, text=True).stdout.splitlines()


def is_control(role, name):
    return role not in ("frame", "menu item", "menu", "menu bar", "window", "dialog")


def named(role, name):
    """A control named by words, not by its value ("-1") or nothing."""
    return role in CONTROL_ROLES and re.search(r"[A-Za-z]", name or "") is not None


class Walk:
    def __init__(self, focus, day_name):
        self.focus = focus
        self.day_name = day_name

    def on_day_cell(self, role, name):
        return role == "table cell" and name == self.day_name

    def back_on_day(self, what, keys):
        self.focus.after_key(what + ": the focus comes back to the day's cell", keys, self.on_day_cell)

    def open(self, what, keys):
        self.focus.after_key(what + " opens on a control", keys, is_control)
        # A new window may still be activated, or fill its text, after its
        # first focus event; a key sent before it settles would be lost.
        self.focus.settle()
        role, name = self.focus.events[-1][:2]
        return role, name

    def step(self, what, keys):
        """The control that the keys put the focus on."""
        self.focus.clear()
        key(*keys)
        role, name, _ = self.focus.wait(what, lambda role, name: True)
        pump(0.1)
        role, name = self.focus.events[-1][:2]
        if not named(role, name):
            fail("%s: the focused %s is named %r" % (what, role, name))
        return role, name

    def told(self, what, keys, change, test):
        """The keys change what is shown: an object's name or description
        (change) is told, and test holds for the new one."""
        told = []
        kind = "object:property-change:accessible-" + change
        listener = lambda event: told.append(getattr(event.source, change) if event.source is not None else "")
        pyatspi.Registry.registerEventListener(listener, kind)
        pump(0.1)
        key(*keys)
        deadline = time.monotonic() + 5
        while not any(test(t or "") for t in told) and time.monotonic() < deadline:
            pump(0.1)
        pyatspi.Registry.deregisterEventListener(listener, kind)
        if not any(test(t or "") for t in told):
            fail("%s is not told; told: %r" % (what, told))

    def round_trip(self, what, most=12):
        """Tab goes round the controls and comes back; Shift+Tab goes back."""
        order = [self.step(what + ", Tab", ["Tab"])]
        while len(order) < most:
            order.append(self.step(what + ", Tab", ["Tab"]))
            if order[-1] == order[0]:
                break
        else:
            fail("%s: Tab does not come round in %d presses: %r" % (what, most, order))
        cycle = order[:-1]
        if len(cycle) < 2:
            fail("%s: Tab stays on %r" % (what, cycle))
        # Back from the first stop: to the last, or (from a text's first link)
        # out of the text to the control before it.
        back = self.step(what + ", Shift+Tab", ["shift+Tab"])
        if back == cycle[0] or back not in cycle:
            fail("%s: Shift+Tab from %r went to %r" % (what, cycle[0], back))
        return cycle


def check_main_window(walk, app):
    # F10 opens the first menu, whose items the arrows walk.
    walk.focus.after_key("F10", ["F10"], lambda role, name: role == "menu item")
    shown = pyatspi.findAllDescendants(app, lambda n: n.getRole() == pyatspi.ROLE_POPUP_MENU and
                                       n.getState().contains(pyatspi.STATE_SHOWING))
    if not shown:
        fail("F10 shows no menu")
    walk.focus.after_key("Down in the menu F10 opened", ["Down"], lambda role, name: role == "menu item")
    walk.back_on_day("Escape from the menus", ["Escape", "Escape"])

    # The clock: its minute in its name, its click as an action.
    now = datetime.datetime.now()
    minutes = {(now - datetime.timedelta(minutes=m)).strftime("%I:%M %p").lstrip("0") for m in (0, 1)}
    clock = pyatspi.findDescendant(app, lambda n: (n.name or "").startswith("Clock"))
    if clock is None or clock.name.split(": ", 1)[-1] not in minutes:
        fail("the clock reads %r, not the system's minute %r" % (clock and clock.name, minutes))
    actions = clock.queryAction()
    if "Press" not in [actions.getName(i) for i in range(actions.nActions)]:
        fail("the clock has no press action")

    # Keys that change nothing on the screen are told.
    walk.told("Ctrl+T", ["ctrl+t"], "name", lambda name: name == "Stays on top of other windows")
    walk.told("Ctrl+T again", ["ctrl+t"], "name", lambda name: name == "No longer on top")
    walk.told("Ctrl+R", ["ctrl+r"], "name", lambda name: name.startswith("A year repeat"))
    walk.told("keypad 2", ["KP_2"], "name", lambda name: "step 100 years" in name)
    walk.told("keypad 0", ["KP_0"], "name", lambda name: "step 1 year " in name)

    # The checkable menu items read as such, checked or not.
    walk.focus.after_key("the Options menu", ["alt+o"], lambda role, name: role == "menu item")
    pump(0.2)
    for name, checked in (("Moon Transit", True), ("Show Hints", None), ("Status Bar", True),
                          ("Civil Twilight", True), ("Nautical Twilight", False)):
        item = pyatspi.findDescendant(app, lambda n: n.name == name and n.getRole() in CHECKABLE_ITEM_ROLES)
        if item is None:
            fail("the menus have no check box or radio button item %r" % name)
        if checked is not None and item.getState().contains(pyatspi.STATE_CHECKED) != checked:
            fail("the menu item %r is not shown %s" % (name, "checked" if checked else "unchecked"))
    walk.back_on_day("Escape from the Options menu", ["Escape", "Escape"])


def check_panels(walk, app):
    for what, opener in (("the location editor", ["alt+o", "l"]), ("the date entry", ["F3"]),
                         ("the colour panel", ["alt+o", "c"])):
        walk.open(what, opener)
        walk.round_trip(what)
        if what == "the colour panel":
            check_colour_dialog(walk, app)
        walk.back_on_day("Escape from " + what, ["Escape"])


def check_colour_dialog(walk, app):
    """The More dialog's colour wells are tables of named colours."""
    what = "the colour dialog"
    role, name = walk.open(what, ["alt+m"])
    if role != "table cell":
        fail("%s opens on the %s %r, not a colour" % (what, role, name))
    wells = pyatspi.findAllDescendants(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE and
                                       n.name in ("Basic colors", "Custom colors"))
    sizes = sorted((w.name, w.queryTable().nRows * w.queryTable().nColumns) for w in wells)
    if sizes != [("Basic colors", 48), ("Custom colors", 16)]:
        fail("%s: the colour wells read %r" % (what, sizes))
    walk.focus.after_key(what + ", Right", ["Right"], lambda role, name: role == "table cell" and "red" in name)
    walk.focus.after_key("Escape from " + what, ["Escape"], lambda role, name: role == "table cell")


def full_time(shown):
    """A short table time as read out: "7:03a" is "7:03 AM"."""
    return re.sub(r"^(\d+:\d\d)([ap])$", lambda m: m.group(1) + (" AM" if m.group(2) == "a" else " PM"), shown)


def check_month_table(walk, app):
    what = "the month table"
    role, name = walk.open(what, ["alt+l"])
    if role != "table cell":
        fail("%s opens with the focus on the %s %r, not a cell" % (what, role, name))
    # The day's cell in the main window is no longer focused.
    stale = pyatspi.findDescendant(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE_CELL and n.name == walk.day_name)
    if stale is not None and stale.getState().contains(pyatspi.STATE_FOCUSED):
        fail("%s has the focus, yet the day's cell %r still says it has" % (what, walk.day_name))
    table = pyatspi.findDescendant(app, lambda n: n.getRole() == pyatspi.ROLE_TABLE and
                                   (n.name or "").startswith("Sun and Moon Data"))
    if table is None:
        fail("%s has no named table" % what)
    cells = table.queryTable()

    # The third day's row, read with its column headers, against the texts
    # vesperon-cli copies for the same month.
    today = datetime.date.today()
    row = cli_lines("month", "--month", today.strftime("%Y-%m"), "--mode", "tab")[2].split("\t")
    day = "3 " + today.strftime("%B")
    if cells.getRowDescription(2) != day:
        fail("%s: the third row's header is %r, not %r" % (what, cells.getRowDescription(2), day))
    for column in range(1, cells.nColumns - 1):
        header = cells.getColumnDescription(column)
        value = "no " + header.lower() if row[column] == "*****" else full_time(row[column])
        expected = "%s, %s: %s" % (header, day, value)
        if cells.getAccessibleAt(2, column).name != expected:
            fail("%s: cell (3, %d) reads %r, not %r" % (what, column, cells.getAccessibleAt(2, column).name,
                                                         expected))
    if cells.getColumnDescription(1) == cells.getColumnDescription(5):
        fail("%s: both twilight columns are named %r" % (what, cells.getColumnDescription(1)))

    # The keys move the focused cell.
    walk.focus.after_key(what + ", Down", ["Down"], lambda role, name: role == "table cell")
    walk.focus.after_key(what + ", Ctrl+End", ["ctrl+End"], lambda role, name: role == "table cell" and
                         name.endswith(" percent"))
    walk.focus.after_key(what + ", Ctrl+Home", ["ctrl+Home"], lambda role, name: name == "1 " + today.strftime("%B"))

    # Grouping by week is told, and the rows' headers stay their days.
    names = []
    listener = lambda event: names.append(event.source.name if event.source is not None else "")
    pyatspi.Registry.registerEventListener(listener, "object:property-change:accessible-name")
    key("ctrl+w")
    deadline = time.monotonic() + 5
    while not any(n.endswith("grouped by week") for n in names) and time.monotonic() < deadline:
        pump(0.1)
    pyatspi.Registry.deregisterEventListener(listener, "object:property-change:accessible-name")
    if not any(n.endswith("grouped by week") for n in names):
        fail("%s: grouping by week is not told; names told: %r" % (what, names))
    for r in range(cells.nRows):
        if cells.getRowDescription(r) != cells.getAccessibleAt(r, 0).name:
            fail("%s: grouped row %d is headed %r" % (what, r, cells.getRowDescription(r)))
    key("ctrl+w")

    cycle = walk.round_trip(what)
    if [role for role, name in cycle].count("table cell") != 1:
        fail("%s: the table is not one Tab stop: %r" % (what, cycle))
    walk.told(what + ": Copy to Clipboard", ["ctrl+c"], "description", lambda text: text.startswith("Copied"))

    # Its font dialog, and back to the table.
    walk.open("the font dialog", ["ctrl+f"])
    walk.round_trip("the font dialog")
    walk.focus.after_key("Escape from the font dialog", ["Escape"], lambda role, name: role == "table cell")
    walk.back_on_day("Escape from " + what, ["Escape"])


def check_dialogs(walk):
    walk.open("the About box", ["alt+h", "a"])
    walk.back_on_day("Escape from the About box", ["Escape"])
    walk.open("the help", ["alt+h", "c"])
    walk.round_trip("the help", 60)
    walk.back_on_day("Escape from the help", ["Escape"])

    # The hemisphere question when the window closes: Cancel keeps it open.
    key("alt+o", "v", "s")
    pump(0.3)
    walk.open("the hemisphere question", ["alt+F4"])
    if ("push button", "Cancel") not in walk.round_trip("the hemisphere question"):
        fail("the hemisphere question has no Cancel button")
    walk.back_on_day("Cancel of the hemisphere question", ["Escape"])


def main():
    focus = Focus()
    day_name = cli_lines("day")[0]
    process = subprocess.Popen([program], stdout=subprocess.DEVNULL, stderr=subprocess.STDOUT)
    try:
        app = application(process.pid)
        walk = Walk(focus, day_name)
        focus.wait("start-up: the focus on the day's cell", walk.on_day_cell, 15)
        check_main_window(walk, app)
        check_panels(walk, app)
        check_month_table(walk, app)
        check_dialogs(walk)
    finally:
        process.terminate()
        process.wait(5)
    print("walked every window through AT-SPI")


main()
