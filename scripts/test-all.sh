#!/usr/bin/env bash
# Set up, build every preset and run every test: native (unit, render, cli and,
# with the Windows build under Wine, wine), and the sanitizer build (unit, fuzz).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
for preset in win64 win32 native asan; do
  echo "== build $preset"
  cmake --preset "$preset" >/dev/null
  cmake --build --preset "$preset"
  # The Windows release: the installer and the zip (the wine tests install it).
  case $preset in win64|win32) cmake --build --preset "$preset" --target package >/dev/null ;; esac
done
echo "== test native"
ctest --preset native -j2
echo "== test asan"
ctest --preset asan -j2
