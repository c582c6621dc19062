#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Times `orvanta-cli next --waybar` as a status bar runs it: a whole process,
# start-up and library loading included, each run checked to print JSON.
# Usage: bench/next_waybar_bench.sh build/tools/cli/orvanta-cli [RUNS]
set -euo pipefail
cli=$1
runs=${2:-200}
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
printf '[Hesap Paramatreleri]\nEnlem=4101\nBoylam=2897\nSaat Farkı=180\nŞehir Adı=İstanbul\n' >"$folder/orvanta.ini"
"$cli" next --ini "$folder/orvanta.ini" --waybar | /usr/bin/python3 -c 'import json,sys; json.load(sys.stdin)'
# Wall time depends on what else the machine runs; the processor time the
# runs used (user + system, from the shell's children times) does less.
start=$(date +%s%N)
for ((i = 0; i < runs; i++)); do "$cli" next --ini "$folder/orvanta.ini" --waybar >/dev/null; done
end=$(date +%s%N)
times >"$folder/times"
children=$(tail -1 "$folder/times")  # "0m0.512s 0m0.203s": user and system of the runs
read -r user system < <(echo "$children" | sed 's/m/ /g; s/s//g' | awk '{print $1*60+$2, $3*60+$4}')
echo "next --waybar: $(((end - start) / runs / 1000)) µs wall a run, "\
"$(awk -v u="$user" -v s="$system" -v n="$runs" 'BEGIN{printf "%.0f", (u+s)*1e6/n}') µs processor time a run"\
" (mean of $runs whole processes)"
