#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates data/Location.txt and data/README.md. The npm packages, at the
# versions of package-lock.json, are installed into a temporary folder that is
# removed afterwards; the program's build never needs them.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp "$here/package.json" "$here/package-lock.json" "$work/"
npm ci --prefix "$work" --no-audit --no-fund --silent
node "$here/generate.mjs" "$work/node_modules" "$root/data"
