#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the manual page of vesperon-cli as `man` shows it in a UTF-8
# terminal and runs each line of its EXAMPLES as if pasted into a shell: the
# quotes and minus signs must survive the rendering.
# Usage: man_examples_test.sh PROGRAM MANUAL_PAGE
set -euo pipefail
program=$1
page=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

LC_ALL=C.UTF-8 MANWIDTH=200 man -l "$page" >"$work/page.txt" 2>"$work/man.log" || { cat "$work/man.log" >&2; fail "man failed"; }
sed -n '/^EXAMPLES/,/^[A-Z]/p' "$work/page.txt" | sed -n 's/^ \+\(vesperon-cli .*\)$/\1/p' >"$work/examples"
[ "$(wc -l <"$work/examples")" -ge 5 ] || fail "expected at least five examples, found: $(cat "$work/examples")"

export PATH="$(dirname "$program"):$PATH" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" LC_ALL=C.UTF-8
cd "$work"
while IFS= read -r example; do
  bash -c "$example" >"$work/out" 2>"$work/err" || fail "\"$example\" failed: $(cat "$work/err")"
  # An example that writes a file (`> NAME`) is checked by that file.
  written="$work/out"
  [[ "$example" =~ \>\ ([^ ]+)$ ]] && written="$work/${BASH_REMATCH[1]}"
  [ -s "$written" ] || fail "\"$example\" wrote nothing"
  echo "ok: $example"
done <"$work/examples"
