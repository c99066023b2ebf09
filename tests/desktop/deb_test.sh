#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder and checks and lists its
# contents: the files of the install, and dependencies on the Qt 6 runtime.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/vesperon_*.deb)

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb" | tee "$work/contents"
id=org.vesperon.Vesperon
for file in usr/bin/vesperon usr/bin/vesperon-cli usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/icons/hicolor/48x48/apps/$id.png usr/share/man/man1/vesperon-cli.1 \
            usr/share/vesperon/Location.txt; do
  grep -q " \./$file$" "$work/contents" || fail "$file is not in the package"
done

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 qt6-qpa-plugins; do
  grep -q "\b$package\b" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
