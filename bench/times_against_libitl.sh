#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# orvanta-cli times against libitl for 36,500 days at İstanbul, both
# writing their lines to /dev/null, best of RUNS (11) each, in one run so
# that both see the same machine. Prints both times and their ratio (the
# aim: orvanta-cli at most half of libitl's time).
# Usage: bench/times_against_libitl.sh [build folder]. Needs libitl-dev and a C compiler.
set -euo pipefail
build=${1:-build}
runs=${RUNS:-11}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cc -O2 -o "$work/libitl_times" "$(dirname "$0")/libitl_times.c" -litl -lm
# Microseconds one run of the command takes, output to /dev/null.
elapsed_us() {
  local start
  start=$(date +%s%N)
  "$@" >/dev/null
  echo $((($(date +%s%N) - start) / 1000))
}
# The two programs take turns, so a busy moment of the machine falls on both.
orvanta_us="" libitl_us=""
for ((i = 0; i < runs; i++)); do
  o=$(elapsed_us "$build/tools/cli/orvanta-cli" times --lat 41.01 --lon 28.97 --offset 180 --date 1950-01-01 --days 36500)
  l=$(elapsed_us "$work/libitl_times" 1950 36500)
  if [ -z "$orvanta_us" ] || [ "$o" -lt "$orvanta_us" ]; then orvanta_us=$o; fi
  if [ -z "$libitl_us" ] || [ "$l" -lt "$libitl_us" ]; then libitl_us=$l; fi
done
awk -v o="$orvanta_us" -v l="$libitl_us" \
  'BEGIN { printf "orvanta-cli times: %.1f ms\nlibitl (C, printf): %.1f ms\nratio: %.2f\n", o / 1000, l / 1000, o / l }'
