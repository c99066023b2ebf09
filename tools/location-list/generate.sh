#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates data/Location.txt and data/README.md. The two npm packages are
# installed into a temporary folder that is removed afterwards; the program's
# build never needs them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

npm install --prefix "$work" --no-save --no-audit --no-fund --silent \
  city-timezones@1.3.4 countries-list@3.4.1
node "$here/generate.mjs" "$work/node_modules" "$root/data"
