#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from a build folder and checks and lists its
# contents: the files of the install and those Debian asks for, dependencies
# on the Qt 6 runtime, a packager that is nobody made up, and (where lintian
# is installed) no lintian error or warning.
# Usage: deb_test.sh BUILD_DIR
set -euo pipefail
build=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# Without a packager from cmake or the environment, no package is made.
if ! grep -q '^set(CPACK_DEBIAN_PACKAGE_MAINTAINER' "$build/CPackConfig.cmake"; then
  if (cd "$build" && env -u DEBFULLNAME -u DEBEMAIL cpack -G DEB -B "$work/refused" >"$work/refused.log" 2>&1); then
    fail "a package was made without DEBFULLNAME and DEBEMAIL"
  fi
  grep -q "set DEBFULLNAME and DEBEMAIL" "$work/refused.log" || { cat "$work/refused.log" >&2; fail "the refusal does not say why"; }
  ! ls "$work"/refused/vesperon_*.deb >/dev/null 2>&1 || fail "the refused package was left behind"
  export DEBFULLNAME="Package Tester" DEBEMAIL="tester@example.org"
fi

(cd "$build" && cpack -G DEB -B "$work" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log" >&2; fail "cpack failed"; }
deb=$(ls "$work"/vesperon_*.deb)

dpkg-deb --info "$deb"
dpkg-deb --contents "$deb" | tee "$work/contents"
id=org.vesperon.Vesperon
for file in usr/bin/vesperon usr/bin/vesperon-cli usr/share/applications/$id.desktop \
            usr/share/metainfo/$id.metainfo.xml usr/share/icons/hicolor/scalable/apps/$id.svg \
            usr/share/icons/hicolor/48x48/apps/$id.png usr/share/man/man1/vesperon-cli.1.gz \
            usr/share/man/man1/vesperon.1.gz usr/share/vesperon/Location.txt \
            usr/share/doc/vesperon/copyright usr/share/doc/vesperon/changelog.Debian.gz \
            usr/share/doc/vesperon/README.md usr/share/doc/vesperon/places.md \
            usr/share/doc/vesperon/docs/main-window.png; do
  grep -q " \./$file$" "$work/contents" || fail "$file is not in the package"
done

# The copyright names the holders of the data of the list of places.
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/vesperon/copyright)
for holder in "GeoNames" "Copyright (c) 2018 Nabil Ashraf" "SimpleMaps" "OpenStreetMap contributors" \
              "Copyright (c) 2014 Annexare Studio"; do
  grep -qF -- "$holder" <<<"$copyright" || fail "the copyright file does not name $holder"
done

maintainer=$(dpkg-deb --field "$deb" Maintainer)
[[ $maintainer =~ ^[^\<\>]+\ \<[^@\ ]+@[^@\ ]+\>$ ]] || fail "the Maintainer is no name and address: $maintainer"
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/vesperon/changelog.Debian.gz | gzip -d |
  grep -qF -- " -- $maintainer  " || fail "changelog.Debian.gz is not signed by $maintainer"

depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6core6 libqt6gui6 libqt6widgets6 fonts-liberation2 tzdata; do
  grep -q "\b$package\b" <<<"$depends" || fail "the package does not depend on $package: $depends"
done
recommends=$(dpkg-deb --field "$deb" Recommends)
for wanted in qt6-wayland qt6-translations-l10n; do
  case ", $recommends," in *", $wanted,"*) ;; *) fail "the package does not recommend $wanted" ;; esac
done

if command -v lintian >/dev/null; then
  lintian --fail-on error,warning "$deb" || fail "lintian reports errors or warnings (above)"
  echo "lintian: no error or warning"
fi
