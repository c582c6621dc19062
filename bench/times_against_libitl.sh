#!/usr/bin/env bash
# orvanta-cli times against libitl for 36,500 days at İstanbul, both
# writing their lines to /dev/null, best of RUNS (5) each, in one run so
# that both see the same machine. Prints both times and their ratio (the
# aim: orvanta-cli at most half of libitl's time).
# Usage: bench/times_against_libitl.sh [build folder]. Needs libitl-dev and a C compiler.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-5}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/libitl_times" "$(dirname "$0")/libitl_times.c" -litl -lm
best() {
  local fastest=""
  for ((i = 0; i < runs; i++)); do
    local start end elapsed
    start=$(date +%s%N)
    "$@" >/dev/null
    end=$(date +%s%N)
    elapsed=$(((end - start) / 1000))
    if [ -z "$fastest" ] || [ "$elapsed" -lt "$fastest" ]; then fastest=$elapsed; fi
  done
  echo "$fastest"
}
orvanta_us=$(best "$build/tools/cli/orvanta-cli" times --lat 41.01 --lon 28.97 --offset 180 --date 1950-01-01 --days 36500)
libitl_us=$(best "$work/libitl_times" 1950 36500)
awk -v o="$orvanta_us" -v l="$libitl_us" \
  'BEGIN { printf "orvanta-cli times: %.1f ms\nlibitl (C, printf): %.1f ms\nratio: %.2f\n", o / 1000, l / 1000, o / l }'
