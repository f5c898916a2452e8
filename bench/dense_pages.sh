#!/usr/bin/env bash
# Time, PDF size and peak memory of the pages with the most shapes, one page
# each, rendered to PDF by the CLI on A4 at 600 dpi.
#   bench/dense_pages.sh [path/to/veltrim]
set -euo pipefail
veltrim=${1:-build/native/veltrim}
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT

pages=(
  "CMYK 4 Sided Gradient|--category advanced --option 13"
  "Color Coverage 5 %|--category custom --tests 5 --dot-coverage 5"
  "Color Coverage 50 %|--category custom --tests 5 --dot-coverage 50"
  "Color Coverage 51 %|--category custom --tests 5 --dot-coverage 51"
  "Calibration, all colours|--category calibration --tests 0,1,2,3,4,5,6"
  "Millimetric Paper|--category custom --tests 3"
)

printf '%-26s %10s %14s %14s\n' page "time (s)" "PDF (bytes)" "peak RSS (KB)"
for entry in "${pages[@]}"; do
  name=${entry%%|*}
  read -r -a options <<<"${entry#*|}"
  rm -f "$out/page.pdf"
  if /usr/bin/time -f '%M %e' -o "$out/time" \
      "$veltrim" print --output "$out/page.pdf" --paper a4 --dpi 600 "${options[@]}" >/dev/null 2>"$out/err"; then
    read -r rss seconds <"$out/time"
    printf '%-26s %10s %14s %14s\n' "$name" "$seconds" "$(stat -c %s "$out/page.pdf")" "$rss"
  else
    printf '%-26s failed: %s\n' "$name" "$(tail -n 1 "$out/err")"
  fi
done
