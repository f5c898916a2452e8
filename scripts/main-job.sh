#!/usr/bin/env bash
# Set up, build the native preset and run the main job.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh
cmake --preset native >/dev/null
cmake --build --preset native
build/native/veltrim print "$@"
