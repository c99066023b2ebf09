#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Checks the program's translations the way a translator's reviewer would.

With --lupdate, the texts are first gathered afresh from the sources into a
copy of each .ts file, so a text marked for translation but never translated
is caught too. Then every message must be translated (no "unfinished"), keep
the source's %1-style placeholders, and keep a keyboard mnemonic ("&File")
exactly where the source has one. Prints each fault as file: context: text,
and exits 1 if there was any.

    check_translations.py [--lupdate LUPDATE --sources SRC_DIR] FILE.ts...
"""

import argparse
import os
import re
import shutil
import subprocess
import sys
import tempfile
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%(?:\d{1,2}|n)")
# An ampersand that marks a mnemonic: not a doubled "&&" (a literal "&") and
# not an HTML entity such as "&nbsp;".
MNEMONIC = re.compile(r"(?<!&)&(?!&)(?![A-Za-z]+;|#\d+;)(?=\S)")


def mnemonics(text):
    return len(MNEMONIC.findall(text.replace("&&", "")))


def translations_of(message):
    translation = message.find("translation")
    if translation is None:
        return None, []
    forms = translation.findall("numerusform")
    texts = [f.text or "" for f in forms] if forms else [translation.text or ""]
    return translation, texts


def faults_in(path):
    faults = []
    root = ET.parse(path).getroot()
    for context in root.iter("context"):
        context_name = context.findtext("name")
        for message in context.iter("message"):
            source = message.findtext("source") or ""
            where = f"{os.path.basename(path)}: {context_name}: {source!r}"
            translation, texts = translations_of(message)
            kind = translation.get("type") if translation is not None else "missing"
            if kind in ("vanished", "obsolete"):
                continue
            if kind in ("unfinished", "missing") or not any(t.strip() for t in texts):
                faults.append(f"{where}: not translated")
                continue
            for text in texts:
                expected = set(PLACEHOLDER.findall(source))
                if set(PLACEHOLDER.findall(text)) != expected:
                    faults.append(f"{where}: placeholders {sorted(expected)} became {text!r}")
                if min(mnemonics(source), 1) != min(mnemonics(text), 1) or mnemonics(text) > 1:
                    faults.append(f"{where}: the mnemonic differs in {text!r}")
    return faults


def refreshed_copies(ts_files, lupdate, sources, folder):
    copies = []
    for ts in ts_files:
        copy = os.path.join(folder, os.path.basename(ts))
        shutil.copyfile(ts, copy)
        copies.append(copy)
    subprocess.run([lupdate, "-silent", "-no-obsolete", "-locations", "none", "-extensions", "cpp,h",
                    sources, "-ts", *copies], check=True)
    return copies


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--lupdate")
    parser.add_argument("--sources")
    parser.add_argument("ts_files", nargs="+")
    args = parser.parse_args()
    with tempfile.TemporaryDirectory() as folder:
        files = args.ts_files
        if args.lupdate:
            files = refreshed_copies(files, args.lupdate, args.sources, folder)
        faults = [f for path in files for f in faults_in(path)]
    for fault in faults:
        print(fault)
    print(f"{len(faults)} faults in {len(args.ts_files)} translations")
    return 1 if faults else 0


if __name__ == "__main__":
    sys.exit(main())
