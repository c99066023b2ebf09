#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the Debian packages the build needs, but only those that are missing,
# so a machine that already has everything pays one dpkg query.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev qt6-qpa-plugins libgl-dev
  # the widget tests switch accessibility on through Qt's platform interface
  qt6-base-private-dev
  # translations: Qt's Linguist tools build them, Qt's own translate its buttons
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  # calendar files are written with libical; the end-to-end test imports them into khal
  libical-dev khal
  fonts-dejavu-core fonts-liberation2
  # Local Time: the system's time zone database
  tzdata
  # the print tests read their PDFs back
  poppler-utils
  # the manual page, the installed files' validators and the Debian package
  help2man desktop-file-utils appstream dpkg-dev file man-db lintian
  # the end-to-end check under a real X server
  xvfb openbox xdotool wmctrl x11-utils xclip
  # the accessibility check: a session bus, the AT-SPI bus and registry, pyatspi
  dbus-daemon at-spi2-core python3-pyatspi python3-dbus
  # fuzz/: the libFuzzer targets are built with clang and its runtime
  clang libclang-rt-dev
  # tools/: the icon renderer, the reference ephemeris and the Moon's distance
  # (JPL-based); the tests of the list generator's rules
  librsvg2-bin python3-ephem swetest swe-basic-data nodejs
)

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [ "$status" = "installed" ] || missing+=("$p")
done

[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
