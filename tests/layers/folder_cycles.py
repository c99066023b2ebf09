#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when the folders of src/ include each other in a loop.

Each '#include "name.h"' is resolved to the folder that holds name.h (or
name.h.in, for headers made at configure time); an include of a header in
another folder is an arrow between the two folders. The arrows must form no
cycle, so that the folders stay in layers.
"""
import collections
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCE_ENDINGS = (".h", ".cpp", ".h.in")


def folder_graph(root):
    """Returns {folder: {folder it includes: [example 'file -> header', ...]}}."""
    home = collections.defaultdict(set)
    sources = []
    for folder, _, files in os.walk(root):
        for name in files:
            if name.endswith(SOURCE_ENDINGS):
                sources.append(os.path.join(folder, name))
                if name.endswith((".h", ".h.in")):
                    home[name.removesuffix(".in")].add(os.path.relpath(folder, root))
    arrows = collections.defaultdict(lambda: collections.defaultdict(list))
    for path in sources:
        here = os.path.relpath(os.path.dirname(path), root)
        with open(path, encoding="utf-8", errors="replace") as text:
            for header in INCLUDE.findall(text.read()):
                for there in home.get(os.path.basename(header), ()):
                    if there != here:
                        arrows[here][there].append(f"{os.path.relpath(path, root)} -> {header}")
    return arrows


def find_cycle(arrows):
    """Returns one cycle as a list of folders, or None."""
    state = {}
    trail = []

    def visit(folder):
        state[folder] = "open"
        trail.append(folder)
        for there in sorted(arrows.get(folder, {})):
            if state.get(there) == "open":
                return trail[trail.index(there):] + [there]
            if there not in state:
                found = visit(there)
                if found:
                    return found
        state[folder] = "done"
        trail.pop()
        return None

    for folder in sorted(arrows):
        if folder not in state:
            found = visit(folder)
            if found:
                return found
    return None


def main():
    root = sys.argv[1]
    arrows = folder_graph(root)
    if not arrows:
        print(f"No includes between folders found under {root}: wrong folder?")
        return 1
    cycle = find_cycle(arrows)
    if cycle is None:
        count = sum(len(targets) for targets in arrows.values())
        print(f"{len(arrows)} folders, {count} arrows between them, no cycle.")
        return 0
    print("The folders include each other in a loop: " + " -> ".join(cycle))
    for here, there in zip(cycle, cycle[1:]):
        print(f"  {here} -> {there}: {', '.join(arrows[here][there][:3])}")
    return 1


if __name__ == "__main__":
    sys.exit(main())
