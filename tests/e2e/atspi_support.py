# SPDX-License-Identifier: GPL-3.0-or-later
"""What the accessibility checks share: failing with a message, pumping the
AT-SPI events, finding the program on the bus, pressing keys, and a listener
that keeps every object that took the focus. Every wait has a time limit."""

import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def pump(seconds=0.0):
    deadline = time.monotonic() + seconds
    context = GLib.MainContext.default()
    while True:
        while context.iteration(False):
            pass
        if time.monotonic() >= deadline:
            return
        time.sleep(0.02)


def application(pid):
    deadline = time.monotonic() + 15
    while time.monotonic() < deadline:
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == pid and app.childCount > 0:
                    return app
            except Exception:
                pass
        pump(0.1)
    fail("the program did not appear on the accessibility bus (waited 15 s)")


def key(*keys):
    subprocess.run(["xdotool", "key", "--clearmodifiers", "--delay", "60", *keys], check=True)


class Focus:
    """Every object that gained the focus, as (role name, name, object)."""

    def __init__(self):
        self.events = []
        pyatspi.Registry.registerEventListener(self._gained, "object:state-changed:focused")

    def _gained(self, event):
        if not event.detail1 or event.source is None:
            return
        try:
            self.events.append((event.source.getRoleName(), event.source.name, event.source))
        except Exception:
            pass

    def clear(self):
        pump()
        self.events = []

    def wait(self, what, test, seconds=5):
        """The latest focused object once test(role, name) holds for it."""
        deadline = time.monotonic() + seconds
        while True:
            pump(0.05)
            if self.events and test(*self.events[-1][:2]):
                return self.events[-1]
            if time.monotonic() > deadline:
                fail("%s: the focus went to %r" % (what, [e[:2] for e in self.events]))

    def settle(self, quiet=0.4, seconds=3):
        """Waits until no focus event has come for `quiet` seconds."""
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            count = len(self.events)
            pump(quiet)
            if len(self.events) == count:
                return

    def after_key(self, what, keys, test, seconds=5):
        self.clear()
        key(*keys)
        return self.wait(what, test, seconds)
