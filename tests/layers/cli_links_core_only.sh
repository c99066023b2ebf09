#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# vesperon-cli runs where there is no display: it must load no Qt library but
# QtCore. Usage: cli_links_core_only.sh PATH_TO_VESPERON_CLI
set -euo pipefail
needed=$(objdump -p "$1" | awk '/NEEDED/ { print $2 }')
qt=$(grep '^libQt' <<<"$needed" || true)
if [ -z "$qt" ]; then
  echo "vesperon-cli loads no Qt library at all: is $1 the right file?" >&2
  exit 1
fi
others=$(grep -v '^libQt6Core\.' <<<"$qt" || true)
if [ -n "$others" ]; then
  echo "vesperon-cli loads Qt libraries beyond QtCore:" $others >&2
  exit 1
fi
echo "vesperon-cli loads" $qt
