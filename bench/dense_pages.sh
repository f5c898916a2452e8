#!/usr/bin/env bash
# Time, PDF size and peak memory of the pages with the most shapes, one page
# each, rendered to PDF by the CLI on A4 at 600 dpi and Letter at 300 dpi
# (median of RUNS runs). Where Wine and the win64 build are there, the same
# page also goes through veltrim-cli.exe and Wine's PostScript driver to a
# file queue of a private scheduler (Letter, the queue's 300 dpi): its time
# and spool size, and ours as ratios to them.
#   bench/dense_pages.sh [path/to/veltrim] [RUNS]
set -euo pipefail
cd "$(dirname "$0")/.."
veltrim=${1:-build/native/veltrim}
runs=${2:-3}
peer_cli=build/win64/veltrim-cli.exe
out=$(mktemp -d)
chmod 755 "$out"  # the queue writes its file as the scheduler's user
state=$out/services
fixtures=tests/fixtures

peer=no
if command -v wine >/dev/null && [ -f "$peer_cli" ]; then peer=yes; fi
stop_services() {
  if [ "$peer" = yes ]; then
    "$fixtures/wine.sh" stop "$state" >/dev/null 2>&1 || true
    "$fixtures/cups.sh" stop "$state" >/dev/null 2>&1 || true
    "$fixtures/xvfb.sh" stop "$state" >/dev/null 2>&1 || true
  fi
  rm -rf "$out"
}
trap stop_services EXIT
if [ "$peer" = yes ]; then
  "$fixtures/xvfb.sh" start "$state" >/dev/null
  "$fixtures/cups.sh" start "$state" >/dev/null
  "$fixtures/wine.sh" start "$state" >/dev/null
  # The fixture keeps what its lp user writes in a folder of its own.
  export CUPS_SERVER=$(cat "$state/cups/server")
  spool=$(cat "$state/cups/run")/out/peer.prn
  lpadmin -p peer -E -v "file://$spool" -m drv:///sample.drv/generic.ppd -o PageSize=Letter 2>/dev/null
fi

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

pages=(
  "CMYK 4 Sided Gradient|--category advanced --option 13"
  "Calibration, all colours|--category calibration --tests 0,1,2,3,4,5,6"
  "Millimetric Paper|--category custom --tests 3"
)
for percent in 1 2 5 10 50 51 80 100; do
  pages+=("Color Coverage $percent %|--category custom --tests 5 --dot-coverage $percent")
done

# Our page: "seconds bytes peak-KB", medians over the runs.
ours() {
  local paper=$1 dpi=$2; shift 2
  for _ in $(seq "$runs"); do
    rm -f "$out/page.pdf"
    /usr/bin/time -f '%e %M' -o "$out/time" \
      "$veltrim" print --output "$out/page.pdf" --paper "$paper" --dpi "$dpi" "$@" >/dev/null 2>"$out/err" ||
      { echo "failed: $(tail -n 1 "$out/err")" >&2; return 1; }
    cat "$out/time"
  done >"$out/ours"
  echo "$(cut -d' ' -f1 "$out/ours" | median) $(stat -c %s "$out/page.pdf") $(cut -d' ' -f2 "$out/ours" | median)"
}

# The peer's page: "seconds bytes", the job spooled and written by the queue.
theirs() {
  rm -f "$spool"
  local start end
  start=$(date +%s%N)
  "$fixtures/run-wine.sh" "$state" "$peer_cli" print --printer peer "$@" >/dev/null 2>&1
  end=$(date +%s%N)
  for _ in $(seq 600); do [ -z "$(lpstat -o peer 2>/dev/null)" ] && break; sleep 0.1; done
  awk -v ns=$((end - start)) -v bytes="$(stat -c %s "$spool" 2>/dev/null || echo 0)" \
    'BEGIN { printf "%.2f %d\n", ns / 1e9, bytes }'
}

printf '%-26s %-12s %9s %12s %10s' page target "time (s)" "PDF (bytes)" "peak (KB)"
[ "$peer" = yes ] && printf ' %10s %12s %8s %8s' "peer (s)" "peer bytes" "time x" "size x"
echo
for entry in "${pages[@]}"; do
  name=${entry%%|*}
  read -r -a options <<<"${entry#*|}"
  for target in "a4 600" "letter 300"; do
    read -r paper dpi <<<"$target"
    read -r seconds bytes rss < <(ours "$paper" "$dpi" "${options[@]}")
    printf '%-26s %-12s %9s %12s %10s' "$name" "$paper $dpi" "$seconds" "$bytes" "$rss"
    if [ "$peer" = yes ] && [ "$paper" = letter ]; then
      read -r peer_seconds peer_bytes < <(theirs "${options[@]}")
      awk -v s="$seconds" -v b="$bytes" -v ps="$peer_seconds" -v pb="$peer_bytes" \
        'BEGIN { printf " %10s %12s %8.3f %8.3f", ps, pb, (ps > 0 ? s / ps : 0), (pb > 0 ? b / pb : 0) }'
    fi
    echo
  done
done
