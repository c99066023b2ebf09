#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Fails when the folders of src/ include each other in a loop.

An include of another folder's header names the folder ('#include
"astro/time_scales.h"'), since src/ is every library's include root; that is
an arrow between the two folders. A bare include is a header of the same
folder. The arrows must form no cycle, so that the folders stay in layers.
"""
import collections
import os
import re
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([^"]+)"', re.MULTILINE)
SOURCE_ENDINGS = (".h", ".cpp", ".h.in")


def folder_graph(root):
    """Returns {folder: {folder it includes: [example 'file -> header', ...]}}."""
    folders = {name for name in os.listdir(root) if os.path.isdir(os.path.join(root, name))}
    arrows = collections.defaultdict(lambda: collections.defaultdict(list))
    for folder, _, files in os.walk(root):
        here = os.path.relpath(folder, root).split(os.sep)[0]
        for name in files:
            if not name.endswith(SOURCE_ENDINGS):
                continue
            path = os.path.join(folder, name)
            with open(path, encoding="utf-8", errors="replace") as text:
                for header in INCLUDE.findall(text.read()):
                    there = header.split("/")[0] if "/" in header else here
                    if there in folders and there != here:
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
