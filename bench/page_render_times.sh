#!/usr/bin/env bash
# Time to render one A4 page at 600 dpi to PDF, and the PDF's size, for each
# pattern of the Black&White and Color categories on its own (median of
# RUNS runs of the CLI; the time includes starting the program).
#   bench/page_render_times.sh [path/to/veltrim] [RUNS]
set -euo pipefail
veltrim=${1:-build/native/veltrim}
runs=${2:-5}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

# Median of the numbers on stdin, one a line.
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

printf '%-9s %5s %16s %12s\n' category item "median time (s)" "PDF (bytes)"
for category in bw color; do
  if [ "$category" = bw ]; then last=9; else last=12; fi
  for item in $(seq 0 "$last"); do
    for _ in $(seq "$runs"); do
      start=$(date +%s%N)
      "$veltrim" print --category "$category" --tests "$item" --output "$out/x.pdf" --paper a4 --dpi 600 >/dev/null
      end=$(date +%s%N)
      awk -v ns=$((end - start)) 'BEGIN { printf "%.6f\n", ns / 1e9 }'
    done >"$out/times"
    printf '%-9s %5s %16.3f %12s\n' "$category" "$item" "$(median <"$out/times")" "$(stat -c %s "$out/x.pdf")"
  done
done
