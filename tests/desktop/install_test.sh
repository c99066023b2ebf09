#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a temporary prefix and checks what a desktop and a
# user get: the files in their places, the menu entry and the metainfo pass
# their validators, and the installed vesperon-cli runs from there.
# Usage: install_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
prefix=$work/prefix
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$prefix" >/dev/null

id=org.vesperon.Vesperon
expected=(
  bin/vesperon bin/vesperon-cli
  share/applications/$id.desktop
  share/metainfo/$id.metainfo.xml
  share/icons/hicolor/scalable/apps/$id.svg
  share/man/man1/vesperon-cli.1
  share/man/man1/vesperon.1
  share/doc/vesperon/LICENSE
  share/doc/vesperon/places.md
  share/vesperon/Location.txt
)
for size in 16 24 32 48 64 128 256; do
  expected+=("share/icons/hicolor/${size}x${size}/apps/$id.png")
done
for file in "${expected[@]}"; do
  [ -f "$prefix/$file" ] || fail "$file is not installed"
done
[ -x "$prefix/bin/vesperon" ] && [ -x "$prefix/bin/vesperon-cli" ] || fail "the programs are not executable"

# Only the two programs go to bin (no tests, benchmarks or tools), and
# nothing lands outside bin and share.
[ "$(ls "$prefix/bin" | tr '\n' ' ')" = "vesperon vesperon-cli " ] || fail "bin holds $(ls "$prefix/bin")"
[ "$(ls "$prefix" | tr '\n' ' ')" = "bin share " ] || fail "the prefix holds $(ls "$prefix")"

desktop-file-validate "$prefix/share/applications/$id.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/$id.metainfo.xml" >"$work/appstream.log" ||
  { cat "$work/appstream.log" >&2; fail "appstreamcli refuses the metainfo"; }
grep -q "^Exec=vesperon$" "$prefix/share/applications/$id.desktop" || fail "the menu entry does not start vesperon"
grep -qF -- '\-\-location' "$prefix/share/man/man1/vesperon-cli.1" || fail "the manual page lacks the options"

# Every picture or file the installed README links to is installed beside it.
doc=$prefix/share/doc/vesperon
links=$(grep -oE '\]\([^):]+\)' "$doc/README.md" | sed 's/^](\(.*\))$/\1/')
for link in $links; do
  [ -f "$doc/$link" ] || fail "the installed README links to $link, which is not installed"
done

# The installed program, with an empty home so no stored settings take part.
home=$work/home
mkdir -p "$home"
run_cli() {
  env -i PATH=/usr/bin:/bin HOME="$home" XDG_CONFIG_HOME="$home/.config" XDG_DATA_HOME="$home/.local/share" \
    LC_ALL=C.UTF-8 "$prefix/bin/vesperon-cli" "$@"
}
out=$(run_cli day --date 2026-06-21 --lat 51.4779 --lon 0.0015 --zone 0 --clock 24) || fail "vesperon-cli day failed"
grep -q "Sunrise" <<<"$out" || fail "vesperon-cli day printed: $out"

# The shipped list of places is found in the prefix's data folder.
name=$(sed -n 3p "$prefix/share/vesperon/Location.txt" | cut -d'|' -f1 | sed 's/[[:space:]]*$//')
out=$(run_cli day --date 2026-06-21 --location "$name") || fail "vesperon-cli day --location \"$name\" failed"
grep -qF "$name" <<<"$out" || fail "vesperon-cli day --location \"$name\" printed: $out"

# The user's own copy of the list, once it exists, wins over the shipped one.
user_list="$home/.local/share/Vesperon Software/Vesperon/Location.txt"
mkdir -p "$(dirname "$user_list")"
{ sed -n 1,2p "$prefix/share/vesperon/Location.txt"; printf '%-25s| %5.2f | %6.2f | %s\r\n' "Test Harbour" 45.25 -10.5 -1; } >"$user_list"
out=$(run_cli day --date 2026-06-21 --location "Test Harbour") || fail "the user's own list was not read"
grep -q "45.25°N  10.5°E" <<<"$out" || fail "vesperon-cli day --location \"Test Harbour\" printed: $out"
if run_cli day --date 2026-06-21 --location "$name" >/dev/null 2>&1; then
  fail "the shipped list was read although the user has an own copy"
fi
echo "installed and checked under $prefix"
