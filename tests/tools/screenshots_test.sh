#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vesperon-screenshots reads its options before it writes anything: --help
# prints the usage and an unknown option is refused, neither makes a folder.
# Usage: screenshots_test.sh PROGRAM
set -euo pipefail
program=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
cd "$work"
export QT_QPA_PLATFORM=offscreen

out=$("$program" --help) || fail "--help exited with $?"
grep -q "^Usage: .*\[folder\]" <<<"$out" || fail "--help printed: $out"
if "$program" --sideways 2>/dev/null; then fail "an unknown option was accepted"; fi
[ -z "$(ls -A)" ] || fail "the options made: $(ls -A)"
echo "vesperon-screenshots --help and --sideways wrote nothing"
