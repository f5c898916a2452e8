#!/usr/bin/env bash
# Median time of one redraw of the heaviest preview on GDI, under Wine on a
# display and prefix of its own (started here and stopped at the end).
#   bench/preview_gdi.sh [build/win64] [REDRAWS]
set -euo pipefail
cd "$(dirname "$0")/.."
win=${1:-build/win64}
redraws=${2:-1000}
state=$(mktemp -d)
fixtures=tests/fixtures
trap '$fixtures/wine.sh stop "$state" >/dev/null; $fixtures/cups.sh stop "$state" >/dev/null; $fixtures/xvfb.sh stop "$state" >/dev/null; rm -rf "$state"' EXIT
$fixtures/xvfb.sh start "$state" >/dev/null
$fixtures/cups.sh start "$state" >/dev/null
$fixtures/wine.sh start "$state" >/dev/null
$fixtures/run-wine.sh "$state" "$win/bench/preview_redraw_gdi.exe" "$redraws"
