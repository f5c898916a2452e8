#!/usr/bin/env bash
# Peak memory and time of print jobs of growing size, rendered to PDF by the
# CLI: 1, 10 and 100 documents of 100 pages. Memory should stay flat.
#   bench/cli_job_memory.sh [path/to/veltrim] [extra print options...]
set -euo pipefail
veltrim=${1:-build/native/veltrim}
shift || true
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
printf '%-10s %-8s %14s %10s %12s\n' documents pages "peak RSS (KB)" "time (s)" "PDF (bytes)"
for docs in 1 10 100; do
  /usr/bin/time -f '%M %e' -o "$out/time" \
    "$veltrim" print --output "$out/job.pdf" --docs "$docs" --pages 100 "$@" >/dev/null
  read -r rss seconds <"$out/time"
  printf '%-10s %-8s %14s %10s %12s\n' "$docs" 100 "$rss" "$seconds" "$(stat -c %s "$out/job.pdf")"
done
