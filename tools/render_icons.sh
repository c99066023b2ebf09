#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the committed PNG icons from the SVG (Debian librsvg2-bin). Run it
# after changing desktop/icons/org.vesperon.Vesperon.svg and commit the result.
set -euo pipefail
cd "$(dirname "$0")/../desktop/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" org.vesperon.Vesperon.svg -o "org.vesperon.Vesperon-$size.png"
done
